#include "media/Platform.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/utsname.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cctype>
#include <cerrno>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <vector>

#include "media/Media.h"

namespace media {
namespace {

std::string& DataHomeOverride() {
    static std::string dir;
    return dir;
}

// The first executable file of that name in the folders of PATH, or "".
std::string FindOnPath(const std::string& program) {
    const char* path = std::getenv("PATH");
    if (path == nullptr) return {};
    const std::string folders = path;
    size_t begin = 0;
    while (begin <= folders.size()) {
        size_t end = folders.find(':', begin);
        if (end == std::string::npos) end = folders.size();
        // An empty entry would mean the working folder, which nobody should run programs from.
        if (end > begin) {
            const std::string candidate = folders.substr(begin, end - begin) + "/" + program;
            struct stat info {};
            if (::stat(candidate.c_str(), &info) == 0 && S_ISREG(info.st_mode) &&
                ::access(candidate.c_str(), X_OK) == 0) {
                return candidate;
            }
        }
        begin = end + 1;
    }
    return {};
}

std::string WithSlash(std::string dir) {
    if (dir.empty() || dir.back() != '/') dir += '/';
    return dir;
}

bool SameIgnoringCase(const std::string& a, const char* b) {
    size_t i = 0;
    for (; i < a.size() && b[i] != '\0'; ++i) {
        if (std::tolower(static_cast<unsigned char>(a[i])) !=
            std::tolower(static_cast<unsigned char>(b[i])))
            return false;
    }
    return i == a.size() && b[i] == '\0';
}

bool Exists(const std::string& path) {
    struct stat st {};
    return ::lstat(path.c_str(), &st) == 0;
}

// The entry of `folder` whose name matches `name` whatever its case; empty when none does.
std::string FindInFolder(const std::string& folder, const std::string& name) {
    DIR* dir = ::opendir(folder.empty() ? "." : folder.c_str());
    if (!dir) return {};
    std::string found;
    while (dirent* entry = ::readdir(dir)) {
        if (SameIgnoringCase(name, entry->d_name)) {
            found = entry->d_name;
            break;
        }
    }
    ::closedir(dir);
    return found;
}

}  // namespace

bool EnsureSingleInstance(const std::string& name) {
    // A second call from this process must not fight its own lock.
    static std::map<std::string, int> held;
    if (held.count(name)) return true;

    std::string folder;
    if (const char* runtime = std::getenv("XDG_RUNTIME_DIR"); runtime && *runtime) {
        folder = runtime;
    } else {
        std::error_code ec;
        folder = std::filesystem::temp_directory_path(ec).string();
        if (ec || folder.empty()) folder = "/tmp";
    }
    std::string file = name;
    for (char& c : file) {
        if (c == '/' || c == '\0') c = '_';
    }
    const std::string path = WithSlash(folder) + file + ".lock";
    const int fd = ::open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
    // Without a lock file we cannot tell; refusing to start would be worse than two copies.
    if (fd < 0) return true;
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        ::close(fd);
        return false;
    }
    held[name] = fd;
    return true;
}

void SetDataHome(const std::string& dir) {
    DataHomeOverride() = dir;
}

std::string CommonAppDataFolder() {
    if (!DataHomeOverride().empty()) return WithSlash(DataHomeOverride());
    if (const char* xdg = std::getenv("XDG_DATA_HOME"); xdg && *xdg == '/') return WithSlash(xdg);
    const char* home = std::getenv("HOME");
    return WithSlash(std::string(home && *home ? home : "/tmp") + "/.local/share");
}

bool GrantFullAccess(const std::string&) {
    return true;
}

std::string OSName() {
    utsname info{};
    if (::uname(&info) != 0) return "Unknown";
    return info.sysname;
}

std::string ResolvePath(const std::string& path) {
    if (path.empty()) return path;
    if (Exists(path)) return path;

    std::vector<std::string> parts;
    std::string part;
    for (char c : path) {
        if (c == '/' || c == '\\') {
            if (!part.empty()) parts.push_back(part);
            part.clear();
        } else {
            part += c;
        }
    }
    if (!part.empty()) parts.push_back(part);

    const bool absolute = path[0] == '/' || path[0] == '\\';
    std::string resolved = absolute ? "/" : "";
    for (size_t i = 0; i < parts.size(); ++i) {
        const std::string& name = parts[i];
        std::string candidate = resolved + name;
        if (name != "." && name != ".." && !Exists(candidate)) {
            const std::string match = FindInFolder(resolved, name);
            if (match.empty()) return path;
            candidate = resolved + match;
        }
        resolved = i + 1 < parts.size() ? candidate + "/" : candidate;
    }
    if (path.back() == '/' || path.back() == '\\') resolved += '/';
    return resolved;
}

std::string ExecutableFolder() {
    std::error_code ec;
    const auto exe = std::filesystem::read_symlink("/proc/self/exe", ec);
    if (ec) return "./";
    return WithSlash(exe.parent_path().string());
}

bool OpenURL(const std::string& address) {
    // An address that starts like an option would be taken as one by the opener.
    if (address.empty() || address[0] == '-') return false;
    const std::string opener = FindOnPath("xdg-open");
    if (opener.empty()) return false;
    std::string program = opener;
    std::string target = address;
    char* const argv[] = {program.data(), target.data(), nullptr};
    // The grandchild reports a failed exec through the pipe; a successful one closes it.
    int report[2];
    if (::pipe2(report, O_CLOEXEC) != 0) return false;
    const pid_t child = ::fork();
    if (child < 0) {
        ::close(report[0]);
        ::close(report[1]);
        return false;
    }
    if (child == 0) {
        // The child leaves at once, so the opener is nobody's child to wait for.
        if (::fork() == 0) {
            ::execv(argv[0], argv);
            const int failed = errno;
            (void)!::write(report[1], &failed, sizeof failed);
            ::_exit(127);
        }
        ::_exit(0);
    }
    ::close(report[1]);
    ::waitpid(child, nullptr, 0);
    int failed = 0;
    ssize_t got = 0;
    do {
        got = ::read(report[0], &failed, sizeof failed);
    } while (got < 0 && errno == EINTR);
    ::close(report[0]);
    return got == 0;
}

}  // namespace media
