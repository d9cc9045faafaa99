#include "system/Screenshot.h"

#include <filesystem>
#include <system_error>

#include "media/Media.h"
#include "system/AtomicFile.h"
#include "system/Paths.h"
#include "system/ScreenSize.h"

std::string ScreenshotName(const TDateTime& moment) {
    return TDateTime::Get_String(moment, "YYYY-MM-DD HHNNSS screenshot.png");
}

std::string SaveScreenshot(const std::string& folder) {
    // As drawn: at twice the resolution on a large screen.
    const media::Pixmap picture = media::GrabFrame();
    if (picture.width <= 0 || picture.height <= 0) return "";
    const std::vector<std::uint8_t> png = media::EncodePNG(picture);
    if (png.empty()) return "";

    TDateTime now;
    now.Set_DateTimeCurrent();
    std::string target = folder;
    if (target.empty()) {
        std::error_code error;
        target = std::filesystem::current_path(error).string();
        if (error) return "";
    }
    const std::string path = FixPath(target) + ScreenshotName(now);
    const std::string_view bytes(reinterpret_cast<const char*>(png.data()), png.size());
    return WriteFileAtomic(path, bytes) ? path : "";
}
