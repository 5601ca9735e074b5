#include "FileAccess.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <string>

#include "../state/Format.h"

namespace quorvex {
namespace {

std::string reason(int error) {
    return std::strerror(error);
}

[[noreturn]] void fail(const char* what, const std::string& path, const std::string& why) {
    throw FileError(cat("Cannot ", what, " file \"", path, "\". ", why));
}
[[noreturn]] void fail(const char* what, const std::string& path, int error) {
    fail(what, path, reason(error));
}

// Closes the descriptor when it goes out of scope, unless it was closed by hand.
struct Descriptor {
    int fd = -1;
    ~Descriptor() {
        if (fd >= 0) ::close(fd);
    }
    int release() {
        const int f = fd;
        fd = -1;
        return f;
    }
};

// A short code for one attempt at a temporary name: this process and a counter, in base 36.
std::string attemptCode(unsigned attempt) {
    const auto base36 = [](unsigned long v) {
        std::string digits;
        do {
            digits.insert(digits.begin(), "0123456789abcdefghijklmnopqrstuvwxyz"[v % 36]);
            v /= 36;
        } while (v != 0);
        return digits;
    };
    return base36(static_cast<unsigned long>(::getpid())) + "-" + base36(attempt);
}

// The new file is made beside the target, so the final rename never crosses file systems, and
// its name is never longer than the target's, so a name the folder takes for the save it takes
// for the new file too: a hidden name from the attempt's code, cut to the target's length from
// the front (the counter is at the end). Its name is unused at the moment it is made (O_EXCL),
// so it never clobbers another file.
int createTemporary(const std::string& target, std::string& tempName, int& error) {
    static unsigned counter = 0;
    const std::size_t slash = target.rfind('/');
    const std::size_t nameStart = slash == std::string::npos ? 0 : slash + 1;
    const std::size_t room = std::max<std::size_t>(target.size() - nameStart, 1);
    for (int attempt = 0; attempt < 100; ++attempt) {
        const std::string code = "." + attemptCode(++counter);
        const std::size_t keep = std::min(room, code.size());
        tempName = target.substr(0, nameStart) + code.substr(code.size() - keep);
        const int fd = ::open(tempName.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0) return fd;
        if (errno != EEXIST) break;
    }
    error = errno;
    return -1;
}

bool writeAll(int fd, std::span<const uint8_t> bytes) {
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        done += static_cast<std::size_t>(n);
    }
    return true;
}

}  // namespace

StagedFile::StagedFile(const std::string& path, std::span<const uint8_t> bytes)
    : path_(path), target_(path) {
    // A save over a link replaces the file it points to, not the link.
    std::error_code ec;
    if (std::filesystem::is_symlink(path, ec)) {
        const auto real = std::filesystem::weakly_canonical(path, ec);
        if (!ec) target_ = real.string();
    }

    int error = 0;
    Descriptor file{createTemporary(target_, tempName_, error)};
    if (file.fd < 0) fail("create", path, error);

    auto abandon = [&](const char* what, int err) {
        if (file.fd >= 0) ::close(file.release());
        ::unlink(tempName_.c_str());
        tempName_.clear();
        fail(what, path, err);
    };

    // A file saved over keeps who may read it.
    struct stat old {};
    if (::stat(target_.c_str(), &old) == 0 && S_ISREG(old.st_mode))
        (void)::fchmod(file.fd, old.st_mode & 07777);

    if (!writeAll(file.fd, bytes)) abandon("write", errno);
    if (::fsync(file.fd) != 0) abandon("write", errno);
    if (::close(file.release()) != 0) abandon("write", errno);
}

StagedFile::~StagedFile() {
    if (!tempName_.empty()) ::unlink(tempName_.c_str());
}

void StagedFile::putInPlace() {
    if (std::rename(tempName_.c_str(), target_.c_str()) != 0) {
        const int error = errno;
        ::unlink(tempName_.c_str());
        tempName_.clear();
        fail("create", path_, error);
    }
    tempName_.clear();
}

void replaceFile(const std::string& path, std::span<const uint8_t> bytes) {
    StagedFile(path, bytes).putInPlace();
}

FileReader::FileReader(const std::string& path) : path_(path) {
    // Not blocking: a pipe or device picked by mistake is refused, not waited on.
    Descriptor file{::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK)};
    if (file.fd < 0) fail("open", path, errno);
    struct stat info {};
    if (::fstat(file.fd, &info) != 0) fail("open", path, errno);
    if (S_ISDIR(info.st_mode)) fail("open", path, EISDIR);
    if (!S_ISREG(info.st_mode)) fail("open", path, "It is not a file");
    size_ = static_cast<std::size_t>(info.st_size > 0 ? info.st_size : 0);
    fd_ = file.release();
}

FileReader::~FileReader() {
    ::close(fd_);
}

std::size_t FileReader::read(void* to, std::size_t n) {
    std::size_t done = 0;
    while (done < n) {
        const ssize_t got = ::read(fd_, static_cast<uint8_t*>(to) + done, n - done);
        if (got < 0) {
            if (errno == EINTR) continue;
            fail("read", path_, errno);
        }
        if (got == 0) break;
        done += static_cast<std::size_t>(got);
    }
    return done;
}

std::vector<uint8_t> readFileUpTo(const std::string& path, std::size_t limit) {
    FileReader file(path);
    // Sized by what the file says it holds (one byte more, to see it end), never above the limit.
    std::vector<uint8_t> bytes(std::min(file.sizeWhenOpened(), limit) + 1);
    bytes.resize(file.read(bytes.data(), bytes.size()));
    return bytes;
}

}  // namespace quorvex
