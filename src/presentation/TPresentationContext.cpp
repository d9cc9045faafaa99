#include "presentation/TPresentationContext.h"

#include <filesystem>

#include "media/Platform.h"

namespace {

TPresentationContext* Installed = nullptr;

TPresentationContext& Defaults() {
    static TPresentationContext defaults;
    return defaults;
}

}  // namespace

TPresentationContext& PresentationContext() {
    return Installed ? *Installed : Defaults();
}

void InstallPresentationContext(TPresentationContext* context) {
    Installed = context;
}

std::string InPlayersLanguage(const std::string& path) {
    const std::string& language = PresentationContext().LanguageFolder;
    if (language.empty()) return path;
    const size_t slash = path.find_last_of('/');
    const size_t name = slash == std::string::npos ? 0 : slash + 1;
    const std::string own = path.substr(0, name) + language + path.substr(name);
    std::error_code error;
    return std::filesystem::exists(media::ResolvePath(own), error) ? own : path;
}
