#pragma once
// One sound-effect channel of the host's channel array.

#include <memory>
#include <string>

#include "media/Media.h"

class TGameChannel {
public:
    media::Channel Channel;
    std::string name;
    int Reserved = 0;          // never handed out by the array
    int PlayWhenFinished = 1;  // handed out only once its sound has stopped
    float OriginalVolume = 1.0f;

    static std::shared_ptr<TGameChannel> Create();
    bool Playing() const;
    void Kill();
};
