// Whole-file reads and crash-safe writes on Windows: files are opened in binary mode (text mode would turn
// every 0x0A into 0x0D 0x0A), and the finished temporary file replaces the target with MoveFileEx, which
// unlike rename may replace an existing file.

#include <fcntl.h>
#include <io.h>
#include <sys/stat.h>
#include <windows.h>

#include <cerrno>
#include <cstring>

#include "FileIo.h"

namespace {

bool Fail(std::string* error, int code) {
    if (error != nullptr) {
        *error = std::strerror(code);
    }
    return false;
}

std::string FolderOf(const std::string& path) {
    const size_t slash = path.find_last_of("/\\");
    if (slash == std::string::npos) {
        return ".";
    }
    return slash == 0 ? path.substr(0, 1) : path.substr(0, slash);
}

bool WriteAll(int fd, const uint8_t* data, size_t size) {
    while (size > 0) {
        const int written = ::_write(fd, data, static_cast<unsigned>(std::min<size_t>(size, 1 << 20)));
        if (written < 0) {
            return false;
        }
        data += written;
        size -= static_cast<size_t>(written);
    }
    return true;
}

// Devices (NUL, CON) cannot be replaced: they are written in place.
bool WriteInPlace(const std::string& path, const std::vector<uint8_t>& bytes, std::string* error) {
    const int fd = ::_open(path.c_str(), _O_WRONLY | _O_TRUNC | _O_BINARY);
    if (fd < 0) {
        return Fail(error, errno);
    }
    const bool ok = WriteAll(fd, bytes.data(), bytes.size());
    const int code = errno;
    if (::_close(fd) != 0 || !ok) {
        return Fail(error, ok ? errno : code);
    }
    return true;
}

// A new file beside the target that nobody else has opened.
int CreateTemporary(const std::string& folder, std::string& temp) {
    for (unsigned attempt = 0; attempt < 100; ++attempt) {
        temp = folder + "/.kv310-" + std::to_string(::GetCurrentProcessId()) + "-" +
               std::to_string(::GetTickCount() + attempt);
        const int fd =
            ::_open(temp.c_str(), _O_WRONLY | _O_CREAT | _O_EXCL | _O_BINARY, _S_IREAD | _S_IWRITE);
        if (fd >= 0 || errno != EEXIST) {
            return fd;
        }
    }
    return -1;
}

}  // namespace

const char* const kTextNotRegularFile = "not a regular file (a pipe, a device or a folder)";

bool IsSpecialFile(const std::string& path) {
    struct _stat64 info {};
    return ::_stat64(path.c_str(), &info) == 0 && (info.st_mode & _S_IFREG) == 0 &&
           (info.st_mode & _S_IFDIR) == 0;
}

bool ReadFileBytes(const std::string& path, std::vector<uint8_t>& bytes, size_t maxBytes,
                   std::string* error) {
    const int fd = ::_open(path.c_str(), _O_RDONLY | _O_BINARY);
    if (fd < 0) {
        return Fail(error, errno);
    }
    struct _stat64 info {};
    if (::_fstat64(fd, &info) != 0 || (info.st_mode & _S_IFREG) == 0) {
        ::_close(fd);
        if (error != nullptr) {
            *error = kTextNotRegularFile;
        }
        return false;
    }
    // sized by the file, not by the limit (see FileIo.cpp)
    const size_t known = info.st_size > 0 ? static_cast<size_t>(info.st_size) : 0;
    std::vector<uint8_t> data(std::min(maxBytes, known + 1));
    size_t total = 0;
    while (total < maxBytes) {
        if (total == data.size()) {
            data.resize(std::min(maxBytes, std::max<size_t>(2 * data.size(), 4096)));
        }
        const int got = ::_read(fd, data.data() + total,
                                static_cast<unsigned>(std::min<size_t>(data.size() - total, 1 << 20)));
        if (got < 0) {
            const int code = errno;
            ::_close(fd);
            return Fail(error, code);
        }
        if (got == 0) {
            break;
        }
        total += static_cast<size_t>(got);
    }
    ::_close(fd);
    data.resize(total);
    bytes = std::move(data);
    return true;
}

bool WriteFileAtomically(const std::string& path, const std::vector<uint8_t>& bytes, std::string* error) {
    const DWORD attributes = ::GetFileAttributesA(path.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES) {
        if ((attributes & FILE_ATTRIBUTE_DIRECTORY) != 0) {
            return Fail(error, EISDIR);
        }
        if ((attributes & FILE_ATTRIBUTE_READONLY) != 0) {
            return Fail(error, EACCES);  // replacing it would go behind its owner's back
        }
        if (IsSpecialFile(path)) {
            return WriteInPlace(path, bytes, error);
        }
    }
    std::string temp;
    const int fd = CreateTemporary(FolderOf(path), temp);
    if (fd < 0) {
        return Fail(error, errno);
    }
    bool ok = WriteAll(fd, bytes.data(), bytes.size()) && ::_commit(fd) == 0;
    int code = ok ? 0 : errno;
    if (::_close(fd) != 0 && ok) {
        ok = false;
        code = errno;
    }
    if (ok &&
        !::MoveFileExA(temp.c_str(), path.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        ok = false;
        code = ::GetLastError() == ERROR_ACCESS_DENIED ? EACCES : EIO;
    }
    if (!ok) {
        ::_unlink(temp.c_str());
        return Fail(error, code);
    }
    return true;
}

// FILE_APPEND_DATA without FILE_WRITE_DATA makes every WriteFile land at the end of the file, each in one
// piece, whoever else appends.
bool AppendLineAtomically(const std::string& path, const std::string& header, const std::string& line,
                          std::string* error) {
    HANDLE file = CreateFileA(path.c_str(), FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                              OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        return Fail(error, EACCES);
    }
    LARGE_INTEGER size{};
    bool ok = GetFileSizeEx(file, &size) != 0;
    DWORD written = 0;
    if (ok && size.QuadPart == 0) {
        ok = WriteFile(file, header.data(), static_cast<DWORD>(header.size()), &written, nullptr) != 0;
    }
    ok = ok && WriteFile(file, line.data(), static_cast<DWORD>(line.size()), &written, nullptr) != 0 &&
         written == line.size();
    CloseHandle(file);
    return ok || Fail(error, EIO);
}
