#pragma once
// A loaded picture with its name, frame size and handle.

#include <memory>
#include <string>

#include "media/Media.h"

class TGameImage {
public:
    std::string name;
    media::Image image;
    int w = 0, h = 0;
    float w2 = 0, h2 = 0;
    int midhandled = 0;
    int tag = 0;

    // Loading failures are fatal.
    static std::shared_ptr<TGameImage> Create(const std::string& path, int flags, int midHandle);
    static std::shared_ptr<TGameImage> CreateAuto(const std::string& path, int cellWidth,
                                                  int cellHeight, int firstCell, int cellCount,
                                                  int flags, int midHandle);
    static std::shared_ptr<TGameImage> CreateFromImage(const media::Image& image,
                                                       const std::string& name, int midHandle);
    void Load(const std::string& path, int flags, int midHandle);
    void LoadAnim(const std::string& path, int cellWidth, int cellHeight, int firstCell,
                  int cellCount, int flags, int midHandle);
    void GetSize();
    void MidHandle(int flag);
    int Frames() const;
};
