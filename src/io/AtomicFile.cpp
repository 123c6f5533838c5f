#include "io/AtomicFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <vector>

namespace rho {

namespace {

// As many links as the kernel itself follows in one path.
constexpr int kMaxLinkHops = 40;
// The longest name of one file the file systems in use allow.
constexpr std::size_t kMaxNameBytes = 255;

// The folder part of `path` with its trailing slash ("" for a bare name).
std::string folderOf(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

// The text of the symbolic link at `path`, or false when it cannot be read.
bool readLink(const std::string& path, std::size_t sizeHint, std::string& text) {
    std::vector<char> buffer(sizeHint + 2);
    for (;;) {
        const ssize_t n = ::readlink(path.c_str(), buffer.data(), buffer.size());
        if (n < 0) return false;
        if (static_cast<std::size_t>(n) < buffer.size()) {
            text.assign(buffer.data(), static_cast<std::size_t>(n));
            return true;
        }
        buffer.resize(buffer.size() * 2);  // the link grew since lstat
    }
}

// The permission bits a new file gets here: 0666 less the process's umask.
mode_t newFileMode() {
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

}  // namespace

std::string AtomicFile::resolveLinks(const std::string& path) {
    std::string current = path;
    for (int hop = 0; hop <= kMaxLinkHops; ++hop) {
        struct stat st {};
        if (::lstat(current.c_str(), &st) != 0 || !S_ISLNK(st.st_mode)) return current;
        std::string link;
        if (!readLink(current, static_cast<std::size_t>(st.st_size), link) || link.empty()) return {};
        // A relative link is read from the folder that holds it.
        current = link.front() == '/' ? link : folderOf(current) + link;
    }
    return {};
}

AtomicFile::~AtomicFile() { discard(); }

bool AtomicFile::open(const std::string& path) {
    discard();
    failed_ = false;
    target_ = resolveLinks(path);
    if (target_.empty() || target_.size() - folderOf(target_).size() > kMaxNameBytes) return false;

    // Only a regular file is ever replaced. A pipe or a device would block
    // or be swapped for a plain file, a directory cannot be a picture, and a
    // file without write permission is the user's request to keep it.
    struct stat existing {};
    const bool exists = ::stat(target_.c_str(), &existing) == 0;
    if (!exists && errno != ENOENT) return false;
    if (exists) {
        if (!S_ISREG(existing.st_mode)) return false;
        // The write bits count for every user, root included, who could
        // otherwise write over any protected file.
        if ((existing.st_mode & 0222) == 0) return false;
        if (::faccessat(AT_FDCWD, target_.c_str(), W_OK, AT_EACCESS) != 0) return false;
    }

    // A short name, whatever the length of the target's, so that a name of
    // up to 255 bytes can still be saved.
    std::string name = folderOf(target_) + ".rho-XXXXXX.tmp";
    fd_ = ::mkostemps(name.data(), 4, O_CLOEXEC);
    if (fd_ < 0) return false;
    tempPath_ = name;

    // The replacement keeps the owner and the permissions of the file it
    // replaces; a new file gets the permissions an ordinary create gives.
    bool ok = true;
    if (exists) {
        if (::fchown(fd_, existing.st_uid, existing.st_gid) != 0) {
            // Only root may give a file away; the owner stays the saver.
        }
        ok = ::fchmod(fd_, existing.st_mode & 07777) == 0;
    } else {
        ok = ::fchmod(fd_, newFileMode()) == 0;
    }
    if (!ok) discard();
    return ok;
}

bool AtomicFile::write(std::string_view bytes) {
    if (fd_ < 0 || failed_) return false;
    const char* data = bytes.data();
    std::size_t size = bytes.size();
    while (size > 0) {
        const ssize_t n = ::write(fd_, data, size);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) {
            failed_ = true;  // a full disk, a file-size limit, an I/O error
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
    bool ok = !failed_ && ::fsync(fd_) == 0;
    ok = (::close(fd_) == 0) && ok;
    fd_ = -1;
    ok = ok && ::rename(tempPath_.c_str(), target_.c_str()) == 0;
    if (!ok) {
        ::unlink(tempPath_.c_str());
    } else {
        // Makes the rename itself durable; the file is in place either way.
        const std::string folder = folderOf(target_);
        const int dir = ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        if (dir >= 0) {
            ::fsync(dir);
            ::close(dir);
        }
    }
    tempPath_.clear();
    return ok;
}

void AtomicFile::discard() {
    if (fd_ >= 0) {
        ::close(fd_);
        fd_ = -1;
    }
    if (!tempPath_.empty()) {
        ::unlink(tempPath_.c_str());
        tempPath_.clear();
    }
}

}  // namespace rho
