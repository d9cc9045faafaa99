#include "system/CheckedLoaders.h"

#include "media/Platform.h"
#include "system/Paths.h"
#include "system/ReportError.h"

media::Image LoadImageChecked(const std::string& path, int flags) {
    media::Image image = media::LoadImageFile(media::ResolvePath(path), flags);
    if (!image) ReportError("Error loading bitmap " + path, true);
    return image;
}

media::Image LoadAnimImageChecked(const std::string& path, int cellWidth, int cellHeight, int first,
                                  int count, int flags) {
    media::Image image = media::LoadAnimImageFile(media::ResolvePath(path), cellWidth, cellHeight,
                                                  first, count, flags);
    if (!image) ReportError("Error loading anim bitmap " + path, true);
    return image;
}

std::string OpenFileChecked(const std::string& path) {
    auto bytes = ReadWholeFile(media::ResolvePath(path));
    if (!bytes) {
        ReportError("Error loading file " + path, true);
        return "";
    }
    return std::move(*bytes);
}

media::Sound LoadSoundChecked(const std::string& path, int flags) {
    media::Sound sound = media::LoadSound(media::ResolvePath(path), flags);
    if (!sound) ReportError("Error loading sample " + path, true);
    return sound;
}

media::Font LoadFontChecked(const std::string& path, int size, int style) {
    media::Font font = media::LoadFont(media::ResolvePath(path), size, style);
    if (!font) ReportError("Error loading file " + path, true);
    return font;
}
