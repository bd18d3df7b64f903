#include "netconfig/platform/linux/TextFile.h"

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <sys/stat.h>
#include <system_error>
#include <unistd.h>

namespace norvane::platform::linux_backend {

namespace fs = std::filesystem;

namespace {

[[noreturn]] void fail(const std::string& what) {
    throw std::system_error(errno, std::generic_category(), what);
}

class FileDescriptor {
public:
    explicit FileDescriptor(int fd) : fd_(fd) {}
    ~FileDescriptor() {
        if (fd_ >= 0)
            ::close(fd_);
    }
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;
    int get() const { return fd_; }
    void close(const std::string& path) {
        const int fd = fd_;
        fd_ = -1;
        if (::close(fd) != 0)
            fail(path);
    }

private:
    int fd_;
};

void writeAll(int fd, const std::string& content, const std::string& path) {
    std::size_t done = 0;
    while (done < content.size()) {
        const ssize_t written = ::write(fd, content.data() + done, content.size() - done);
        if (written < 0 && errno == EINTR)
            continue;
        if (written < 0)
            fail(path);
        done += static_cast<std::size_t>(written);
    }
    if (::fsync(fd) != 0)
        fail(path);
}

void rewriteInPlace(const std::string& path, const std::string& content) {
    FileDescriptor file(::open(path.c_str(), O_WRONLY | O_TRUNC | O_CLOEXEC));
    if (file.get() < 0)
        fail(path);
    writeAll(file.get(), content, path);
    file.close(path);
}

} // namespace

std::optional<std::string> ReadTextFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return std::nullopt;
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

void WriteTextFile(const std::string& path, const std::string& content) {
    std::error_code error;
    const fs::path target = fs::exists(path, error) ? fs::canonical(path, error) : fs::path(path);
    const fs::path real = error ? fs::path(path) : target;

    mode_t mode = 0644;
    struct stat existing {};
    if (::stat(real.c_str(), &existing) == 0)
        mode = existing.st_mode & 07777;

    std::string temporary = (real.parent_path() / ("." + real.filename().string() + ".XXXXXX"));
    FileDescriptor file(::mkstemp(temporary.data()));
    if (file.get() < 0)
        fail(real.string());
    try {
        if (::fchmod(file.get(), mode) != 0)
            fail(temporary);
        writeAll(file.get(), content, temporary);
        file.close(temporary);
        if (::rename(temporary.c_str(), real.c_str()) == 0)
            return;
        if (errno != EBUSY && errno != EXDEV)
            fail(real.string());
    } catch (...) {
        ::unlink(temporary.c_str());
        throw;
    }
    ::unlink(temporary.c_str());
    rewriteInPlace(real.string(), content);
}

} // namespace norvane::platform::linux_backend
