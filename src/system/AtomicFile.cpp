#include "system/AtomicFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cctype>
#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <system_error>

#include "system/Paths.h"

namespace {

std::string FolderOf(const std::string& path) {
    const auto slash = path.find_last_of('/');
    if (slash == std::string::npos) return ".";
    if (slash == 0) return "/";
    return path.substr(0, slash);
}

bool WriteAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t written = ::write(fd, bytes.data(), bytes.size());
        if (written < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        bytes.remove_prefix(static_cast<size_t>(written));
    }
    return true;
}

// Opens a fresh temporary file beside the target. O_EXCL guarantees we never write into a file
// someone else (another process, a stale leftover) is using.
int OpenTemporary(const std::string& target, std::string& tempPath) {
    static std::atomic<unsigned> counter{0};
    for (int attempt = 0; attempt < 100; ++attempt) {
        tempPath = target + "." + std::to_string(::getpid()) + "." +
                   std::to_string(counter.fetch_add(1)) + ".tmp";
        const int fd = ::open(tempPath.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST) return fd;
    }
    return -1;
}

// Makes a rename or a new file in the folder durable. The change itself is already in place,
// so a folder that cannot be synced (some file systems refuse) does not make it a failure.
void SyncFolder(const std::string& path) {
    const int dirFd = ::open(FolderOf(path).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dirFd >= 0) {
        (void)::fsync(dirFd);
        ::close(dirFd);
    }
}

bool AllDigits(std::string_view text) {
    return !text.empty() && std::all_of(text.begin(), text.end(), [](char c) {
        return std::isdigit(static_cast<unsigned char>(c)) != 0;
    });
}

bool IsWriterLeftover(std::string_view name) {
    constexpr std::string_view suffix = ".tmp";
    if (!name.ends_with(suffix)) return false;
    name.remove_suffix(suffix.size());
    const auto counterDot = name.rfind('.');
    if (counterDot == std::string_view::npos || !AllDigits(name.substr(counterDot + 1))) {
        return false;
    }
    name = name.substr(0, counterDot);
    const auto pidDot = name.rfind('.');
    return pidDot != std::string_view::npos && pidDot > 0 && AllDigits(name.substr(pidDot + 1));
}

}  // namespace

void RemoveWriterLeftovers(const std::string& folder) {
    std::error_code error;
    std::filesystem::directory_iterator it(folder, error);
    for (; !error && it != std::filesystem::directory_iterator(); it.increment(error)) {
        std::error_code entryError;
        if (!it->is_regular_file(entryError) || it->is_symlink(entryError)) continue;
        if (!IsWriterLeftover(it->path().filename().string())) continue;
        std::filesystem::remove(it->path(), entryError);
    }
}

bool WriteFileAtomic(const std::string& path, std::string_view bytes) {
    if (path.empty() || path.back() == '/') return false;
    // Rewriting what is already there gains nothing, and a full disk or a read-only home would
    // turn it into a failure.
    if (const auto current = ReadWholeFile(path); current && *current == bytes) return true;

    std::string tempPath;
    const int fd = OpenTemporary(path, tempPath);
    if (fd < 0) return false;

    // A file replaced in place keeps the permissions its owner gave it, except that the game
    // must always be able to read and write back what it keeps.
    struct stat old {};
    if (::stat(path.c_str(), &old) == 0 && S_ISREG(old.st_mode)) {
        (void)::fchmod(fd, (old.st_mode & 07777) | S_IRUSR | S_IWUSR);
    }

    bool ok = WriteAll(fd, bytes) && ::fsync(fd) == 0;
    if (::close(fd) != 0) ok = false;
    if (ok) ok = ::rename(tempPath.c_str(), path.c_str()) == 0;
    if (!ok) {
        ::unlink(tempPath.c_str());
        return false;
    }

    SyncFolder(path);
    return true;
}

bool RenameWithoutReplacing(const std::string& from, const std::string& to) {
    struct stat existing {};
    if (::lstat(to.c_str(), &existing) == 0 || errno != ENOENT) return false;
    if (::rename(from.c_str(), to.c_str()) != 0) return false;
    SyncFolder(to);
    return true;
}

std::string NumberedCopyPath(const std::string& base, std::string_view bytes) {
    for (int number = 1;; ++number) {
        const std::string path = number == 1 ? base : base + "." + std::to_string(number);
        std::error_code error;
        if (!std::filesystem::exists(std::filesystem::symlink_status(path, error))) return path;
        if (const auto held = ReadWholeFile(path); held && *held == bytes) return path;
    }
}
