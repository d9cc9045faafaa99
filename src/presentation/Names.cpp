#include "presentation/Names.h"

#include "system/StringHelpers.h"

namespace {

size_t NameStart(const std::string& path) {
    const size_t slash = path.find_last_of("/\\");
    return slash == std::string::npos ? 0 : slash + 1;
}

size_t ExtensionStart(const std::string& path) {
    const size_t dot = path.rfind('.');
    if (dot == std::string::npos || dot < NameStart(path)) return std::string::npos;
    return dot;
}

}  // namespace

std::string BaseNameUpper(const std::string& path) {
    const std::string stem = WithoutExtension(path);
    return UpperCase(stem.substr(NameStart(stem)));
}

std::string FileExtension(const std::string& path) {
    const size_t dot = ExtensionStart(path);
    return dot == std::string::npos ? std::string() : path.substr(dot);
}

std::string WithoutExtension(const std::string& path) {
    const size_t dot = ExtensionStart(path);
    return dot == std::string::npos ? path : path.substr(0, dot);
}

std::string FolderPrefix(const std::string& path) {
    // An empty folder means the current one, never the root.
    if (path.empty() || path.back() == '/' || path.back() == '\\') return path;
    return path + "/";
}
