#include "host/TDataPaths.h"

#include <filesystem>
#include <system_error>

#include "media/Platform.h"
#include "presentation/TPresentationContext.h"
#include "store/ProfileNames.h"
#include "system/AtomicFile.h"
#include "system/ErrorReporting.h"
#include "system/Paths.h"
#include "system/ReportError.h"

namespace {

void MakeFolder(const std::string& folder, const std::string& what) {
    std::error_code error;
    if (std::filesystem::is_directory(folder, error)) return;
    std::filesystem::create_directories(folder, error);
    if (!std::filesystem::is_directory(folder, error)) {
        ReportError("Cannot create " + what + " " + folder, true);
    }
}

}  // namespace

TDataPaths::TDataPaths(TPresentationContext& presentation) : Presentation(presentation) {}

void TDataPaths::SetSubPath(const std::string& path) {
    Presentation.ImagePath = FixPath(DataPrefix + "Data/graphics");
    Presentation.SoundPath = FixPath(DataPrefix + "Data/sound");
    Presentation.MenuPath = FixPath(DataPrefix + "Data/menus");
    Presentation.TextPath = FixPath(DataPrefix + "Data/text");
    MusicPath = FixPath(DataPrefix + "Data/music");
    SubPath = media::CommonAppDataFolder() + (path.empty() ? "" : FixPath(path));
    ProfilePath = SubPath + "profiles/";
    Errors().ErrorLogFolder = SubPath;
}

void TDataPaths::CreateFolders() const {
    MakeFolder(SubPath, "shared data folder");
    if (!GrantFullAccess(SubPath)) ReportError("Cannot give shared data folder full access!", true);
    MakeFolder(ProfilePath, "shared profiles folder");
    RemoveWriterLeftovers(SubPath);
    RemoveWriterLeftovers(ProfilePath);
    TrimProfileFileNames(ProfilePath);
}
