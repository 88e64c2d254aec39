#include "FileIo.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <cstring>

namespace {

bool Fail(std::string* error, int code) {
    if (error != nullptr) {
        *error = std::strerror(code);
    }
    return false;
}

std::string FolderOf(const std::string& path) {
    const size_t slash = path.find_last_of('/');
    if (slash == std::string::npos) {
        return ".";
    }
    return slash == 0 ? "/" : path.substr(0, slash);
}

bool WriteAll(int fd, const uint8_t* data, size_t size) {
    while (size > 0) {
        const ssize_t written = ::write(fd, data, size);
        if (written < 0) {
            if (errno == EINTR) {
                continue;
            }
            return false;
        }
        data += written;
        size -= static_cast<size_t>(written);
    }
    return true;
}

mode_t NewFileMode() {
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

}  // namespace

const char* const kTextNotRegularFile = "not a regular file (a pipe, a device or a folder)";

bool IsSpecialFile(const std::string& path) {
    struct stat info {};
    return ::stat(path.c_str(), &info) == 0 && !S_ISREG(info.st_mode) && !S_ISDIR(info.st_mode);
}

bool ReadFileBytes(const std::string& path, std::vector<uint8_t>& bytes, size_t maxBytes,
                   std::string* error) {
    // Non-blocking, so that opening a pipe does not wait for a writer; checked before anything is read.
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0) {
        return Fail(error, errno);
    }
    struct stat info {};
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        ::close(fd);
        if (error != nullptr) {
            *error = kTextNotRegularFile;
        }
        return false;
    }
    // Sized by the file, not by the limit: a 200-byte log read with a 64 MiB limit took 64 MiB. One byte
    // more than its size, so that a file that grew since is still read to its end (or to the limit).
    const size_t known = static_cast<size_t>(std::max<off_t>(info.st_size, 0));
    std::vector<uint8_t> data(std::min(maxBytes, known + 1));
    size_t total = 0;
    while (total < maxBytes) {
        if (total == data.size()) {
            data.resize(std::min(maxBytes, std::max<size_t>(2 * data.size(), 4096)));
        }
        const ssize_t got = ::read(fd, data.data() + total, data.size() - total);
        if (got < 0) {
            if (errno == EINTR) {
                continue;
            }
            const int code = errno;
            ::close(fd);
            return Fail(error, code);
        }
        if (got == 0) {
            break;
        }
        total += static_cast<size_t>(got);
    }
    ::close(fd);
    data.resize(total);
    bytes = std::move(data);
    return true;
}

namespace {

// Devices and pipes (/dev/stdout, /dev/null) cannot be replaced: they are written in place. The open does
// not wait: a pipe nobody reads fails at once (ENXIO) instead of blocking the program for ever.
bool WriteInPlace(const std::string& path, const std::vector<uint8_t>& bytes, std::string* error) {
    const int fd = ::open(path.c_str(), O_WRONLY | O_TRUNC | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0) {
        return Fail(error, errno);
    }
    ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);  // once open, a reader is waited for
    const bool ok = WriteAll(fd, bytes.data(), bytes.size());
    const int code = errno;
    if (::close(fd) != 0 || !ok) {
        return Fail(error, ok ? errno : code);
    }
    return true;
}

}  // namespace

bool WriteFileAtomically(const std::string& path, const std::vector<uint8_t>& bytes, std::string* error) {
    // A link is followed: the file it names is replaced, the link stays.
    std::string target = path;
    struct stat link {};
    if (::lstat(path.c_str(), &link) == 0 && S_ISLNK(link.st_mode)) {
        char* resolved = ::realpath(path.c_str(), nullptr);
        if (resolved != nullptr) {
            target = resolved;
            std::free(resolved);
        }
    }
    struct stat existing {};
    mode_t mode = NewFileMode();
    const bool replacing = ::stat(target.c_str(), &existing) == 0;
    if (replacing) {
        if (S_ISDIR(existing.st_mode)) {
            return Fail(error, EISDIR);
        }
        if (!S_ISREG(existing.st_mode)) {
            return WriteInPlace(target, bytes, error);
        }
        // Renaming over a write-protected file would replace it behind its owner's back.
        if ((existing.st_mode & 0222) == 0 || ::access(target.c_str(), W_OK) != 0) {
            return Fail(error, EACCES);
        }
        mode = existing.st_mode & 07777;
    }

    std::string temp = FolderOf(target) + "/.kv310-XXXXXX";
    const int fd = ::mkstemp(temp.data());
    if (fd < 0) {
        return Fail(error, errno);
    }
    if (replacing && ::fchown(fd, existing.st_uid, existing.st_gid) != 0) {
        // only root may give a file to another owner; the file then becomes ours, as any new file would
    }
    bool ok = WriteAll(fd, bytes.data(), bytes.size()) && ::fchmod(fd, mode) == 0 && ::fsync(fd) == 0;
    int code = ok ? 0 : errno;
    if (::close(fd) != 0 && ok) {
        ok = false;
        code = errno;
    }
    if (ok && ::rename(temp.c_str(), target.c_str()) != 0) {
        ok = false;
        code = errno;
    }
    if (!ok) {
        ::unlink(temp.c_str());
        return Fail(error, code);
    }
    return true;
}

bool AppendLineAtomically(const std::string& path, const std::string& header, const std::string& line,
                          std::string* error) {
    if (::access(path.c_str(), F_OK) != 0) {
        // the header goes into a private file that is then linked in place; link refuses to replace, so a
        // second program doing the same at the same moment simply finds the file there
        std::string temp = path + ".XXXXXX";
        const int fd = ::mkstemp(temp.data());
        if (fd < 0) {
            return Fail(error, errno);
        }
        const bool ok = WriteAll(fd, reinterpret_cast<const uint8_t*>(header.data()), header.size()) &&
                        ::fchmod(fd, 0644) == 0;
        const int code = errno;
        ::close(fd);
        const bool linked = ok && (::link(temp.c_str(), path.c_str()) == 0 || errno == EEXIST);
        const int linkCode = errno;
        ::unlink(temp.c_str());
        if (!linked) {
            return Fail(error, ok ? linkCode : code);
        }
    }
    const int fd = ::open(path.c_str(), O_WRONLY | O_APPEND | O_CLOEXEC);
    if (fd < 0) {
        return Fail(error, errno);
    }
    ssize_t written = -1;
    do {
        written = ::write(fd, line.data(), line.size());
    } while (written < 0 && errno == EINTR);
    const int code = errno;
    ::close(fd);
    if (written != static_cast<ssize_t>(line.size())) {
        return Fail(error, written < 0 ? code : EIO);
    }
    return true;
}
