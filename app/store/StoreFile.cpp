#include "store/StoreFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <cerrno>
#include <cstdlib>
#include <cstring>

namespace {

std::string errnoText(const std::string& what) {
    return what + ": " + std::strerror(errno);
}

std::string folderOf(const std::string& path) {
    std::string::size_type slash = path.rfind('/');
    if (slash == std::string::npos) {
        return ".";
    }
    return slash == 0 ? "/" : path.substr(0, slash);
}

// Writes all of `bytes`, retrying short writes and interruptions.
bool writeAll(int fd, const std::string& bytes) {
    std::size_t done = 0;
    while (done < bytes.size()) {
        ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n <= 0) {
            return false;
        }
        done += static_cast<std::size_t>(n);
    }
    return true;
}

}  // namespace

std::optional<std::string> StoreFile::readWhole(const std::string& path) {
    int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        return std::nullopt;
    }
    std::string bytes;
    char buffer[65536];
    for (;;) {
        ssize_t n = ::read(fd, buffer, sizeof buffer);
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n < 0) {
            ::close(fd);
            return std::nullopt;
        }
        if (n == 0) {
            break;
        }
        bytes.append(buffer, static_cast<std::size_t>(n));
    }
    ::close(fd);
    return bytes;
}

std::optional<std::string> StoreFile::writeAtomically(const std::string& path,
                                                      const std::string& bytes) {
    std::string temporary = path + ".XXXXXX";
    int fd = ::mkstemp(temporary.data());
    if (fd < 0) {
        return errnoText("Cannot create a temporary file beside " + path);
    }
    std::optional<std::string> failure;
    if (::fchmod(fd, kFileMode) != 0) {
        failure = errnoText("Cannot set the mode of " + temporary);
    } else if (!writeAll(fd, bytes)) {
        failure = errnoText("Cannot write " + temporary);
    } else if (::fsync(fd) != 0) {
        failure = errnoText("Cannot flush " + temporary);
    }
    if (::close(fd) != 0 && !failure) {
        failure = errnoText("Cannot close " + temporary);
    }
    if (!failure && ::rename(temporary.c_str(), path.c_str()) != 0) {
        failure = errnoText("Cannot replace " + path);
    }
    if (failure) {
        ::unlink(temporary.c_str());
        return failure;
    }
    // The rename is durable only once the folder entry is on disk.
    int folder = ::open(folderOf(path).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (folder >= 0) {
        ::fsync(folder);
        ::close(folder);
    }
    return std::nullopt;
}

bool StoreFile::createPrivate(const std::string& path) {
    int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_CLOEXEC, kFileMode);
    if (fd < 0) {
        return false;
    }
    ::close(fd);
    return true;
}
