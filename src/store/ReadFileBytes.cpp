#include "store/ReadFileBytes.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>

FileBytes ReadFileBytes(const std::string& path, std::size_t limit) {
    FileBytes result;
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        result.State = (errno == ENOENT) ? FileState::Missing : FileState::Unreadable;
        return result;
    }

    struct stat info {};
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        ::close(fd);
        result.State = FileState::Unreadable;
        return result;
    }

    char buffer[4096];
    while (result.Bytes.size() < limit) {
        const std::size_t want = std::min(sizeof buffer, limit - result.Bytes.size());
        const ssize_t got = ::read(fd, buffer, want);
        if (got < 0) {
            if (errno == EINTR) continue;
            ::close(fd);
            result.Bytes.clear();
            result.State = FileState::Unreadable;
            return result;
        }
        if (got == 0) break;
        result.Bytes.append(buffer, static_cast<std::size_t>(got));
    }
    ::close(fd);
    result.State = FileState::Read;
    return result;
}
