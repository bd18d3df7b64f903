#include "store/FileAccess.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <random>
#include <sys/stat.h>
#include <unistd.h>

namespace norvane::csv {

namespace fs = std::filesystem;

namespace {

// Closes a descriptor on every way out of a scope.
class FileHandle {
public:
    explicit FileHandle(int fd) : fd_(fd) {}
    FileHandle(const FileHandle&) = delete;
    FileHandle& operator=(const FileHandle&) = delete;
    ~FileHandle() {
        if (fd_ >= 0)
            ::close(fd_);
    }
    int get() const { return fd_; }
    // Closes now, reporting the failure a delayed write error shows up as.
    bool Close() {
        const int fd = fd_;
        fd_ = -1;
        return ::close(fd) == 0;
    }

private:
    int fd_;
};

std::string ReadAll(int fd) {
    std::string bytes;
    char buffer[65536];
    for (;;) {
        const ssize_t count = ::read(fd, buffer, sizeof buffer);
        if (count == 0)
            return bytes;
        if (count < 0) {
            if (errno == EINTR)
                continue;
            throw FileAccessError(std::strerror(errno));
        }
        bytes.append(buffer, static_cast<std::size_t>(count));
    }
}

std::string RandomSuffix() {
    static const char kLetters[] = "abcdefghijklmnopqrstuvwxyz0123456789";
    std::random_device device;
    std::string suffix;
    for (int i = 0; i < 8; ++i)
        suffix += kLetters[device() % (sizeof kLetters - 1)];
    return suffix;
}

// Creates a temporary file beside `target`, for this process alone.
int CreateTemporary(const fs::path& target, mode_t mode, fs::path& temporary) {
    for (int attempt = 0; attempt < 100; ++attempt) {
        temporary =
            target.parent_path() / ("." + target.filename().string() + "." + RandomSuffix());
        const int fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, mode);
        if (fd >= 0 || errno != EEXIST)
            return fd;
    }
    return -1;
}

bool WriteFully(int fd, std::string_view contents) {
    while (!contents.empty()) {
        const ssize_t count = ::write(fd, contents.data(), contents.size());
        if (count < 0 && errno == EINTR)
            continue;
        if (count <= 0)
            return false;
        contents.remove_prefix(static_cast<std::size_t>(count));
    }
    return true;
}

// Makes the rename itself durable; a failure here loses nothing already written.
void SyncDirectory(const fs::path& directory) {
    const int fd = ::open(directory.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

// Writes `contents` to a new temporary file and renames it over `target`;
// returns 0 or the errno of the failing step, leaving `target` untouched then.
int ReplaceFile(const fs::path& target, std::string_view contents) {
    std::error_code dirError;
    fs::create_directories(target.parent_path(), dirError);
    if (dirError)
        return dirError.value();

    struct stat existing {};
    const bool exists = ::stat(target.c_str(), &existing) == 0;
    if (exists && S_ISDIR(existing.st_mode))
        return EISDIR;
    if (exists && ::access(target.c_str(), W_OK) != 0)
        return errno;

    fs::path temporary;
    FileHandle file(CreateTemporary(target, exists ? 0600 : 0666, temporary));
    if (file.get() < 0)
        return errno;
    int error = 0;
    if (exists) {
        // Ownership is kept where the system lets us; permissions always.
        [[maybe_unused]] const int owned = ::fchown(file.get(), existing.st_uid, existing.st_gid);
        if (::fchmod(file.get(), existing.st_mode & 07777) != 0)
            error = errno;
    }
    if (error == 0 && !WriteFully(file.get(), contents))
        error = errno == 0 ? EIO : errno;
    if (error == 0 && ::fsync(file.get()) != 0)
        error = errno;
    if (error == 0 && !file.Close())
        error = errno;
    if (error == 0 && ::rename(temporary.c_str(), target.c_str()) != 0)
        error = errno;
    if (error != 0) {
        ::unlink(temporary.c_str());
        return error;
    }
    SyncDirectory(target.parent_path());
    return 0;
}

} // namespace

std::optional<std::string> ReadFileBytes(const fs::path& path) {
    FileHandle file(::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK));
    if (file.get() < 0) {
        if (errno == ENOENT)
            return std::nullopt;
        throw FileAccessError(std::strerror(errno));
    }
    struct stat info {};
    if (::fstat(file.get(), &info) != 0)
        throw FileAccessError(std::strerror(errno));
    // A directory, a pipe or a device is no profile file; reading one would
    // fail late or never end.
    if (S_ISDIR(info.st_mode))
        throw FileAccessError(std::strerror(EISDIR));
    if (!S_ISREG(info.st_mode))
        throw FileAccessError("Not a regular file");

    return ReadAll(file.get());
}

std::optional<std::string> ReplaceFileContents(const fs::path& target, std::string_view contents) {
    if (const int error = ReplaceFile(target, contents); error != 0)
        return std::string(std::strerror(error));
    return std::nullopt;
}

} // namespace norvane::csv
