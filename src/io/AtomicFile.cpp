#include "io/AtomicFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>

namespace rho {

namespace {

// The path that is really replaced: a symbolic link is followed.
std::string resolveTarget(const std::string& path) {
    struct stat st {};
    if (::lstat(path.c_str(), &st) == 0 && S_ISLNK(st.st_mode)) {
        if (char* real = ::realpath(path.c_str(), nullptr)) {
            std::string resolved(real);
            std::free(real);
            return resolved;
        }
    }
    return path;
}

}  // namespace

AtomicFile::~AtomicFile() { discard(); }

bool AtomicFile::open(const std::string& path) {
    discard();
    target_ = resolveTarget(path);
    failed_ = false;
    // Only a regular file can be replaced by renaming; anything else that
    // already stands there (a device, a pipe) is written in place.
    struct stat existing {};
    if (::stat(target_.c_str(), &existing) == 0 && !S_ISREG(existing.st_mode)) {
        if (S_ISDIR(existing.st_mode)) return false;
        fd_ = ::open(target_.c_str(), O_WRONLY | O_TRUNC | O_CLOEXEC);
        direct_ = fd_ >= 0;
        return direct_;
    }
    static unsigned counter = 0;
    for (int attempt = 0; attempt < 64; ++attempt) {
        tempPath_ = target_ + ".tmp-" + std::to_string(::getpid()) + "-" + std::to_string(counter++);
        fd_ = ::open(tempPath_.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd_ >= 0) {
            // A file that is replaced keeps its permissions.
            struct stat st {};
            if (::stat(target_.c_str(), &st) == 0 && S_ISREG(st.st_mode)) ::fchmod(fd_, st.st_mode & 07777);
            return true;
        }
        if (errno != EEXIST) break;
    }
    tempPath_.clear();
    return false;
}

bool AtomicFile::write(std::string_view bytes) {
    if (fd_ < 0 || failed_) return false;
    const char* data = bytes.data();
    std::size_t size = bytes.size();
    while (size > 0) {
        const ssize_t n = ::write(fd_, data, size);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) {
            failed_ = true;
            return false;
        }
        data += n;
        size -= static_cast<std::size_t>(n);
    }
    return true;
}

bool AtomicFile::commit() {
    if (fd_ < 0) return false;
    // The bytes reach the disk before the new file takes the old one's place.
    bool ok = !failed_ && (direct_ || ::fsync(fd_) == 0);
    ok = (::close(fd_) == 0) && ok;
    fd_ = -1;
    if (direct_) {
        direct_ = false;
        return ok;
    }
    ok = ok && ::rename(tempPath_.c_str(), target_.c_str()) == 0;
    if (!ok) ::unlink(tempPath_.c_str());
    tempPath_.clear();
    return ok;
}

void AtomicFile::discard() {
    if (fd_ >= 0) {
        ::close(fd_);
        fd_ = -1;
    }
    direct_ = false;
    if (!tempPath_.empty()) {
        ::unlink(tempPath_.c_str());
        tempPath_.clear();
    }
}

}  // namespace rho
