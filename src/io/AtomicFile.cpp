#include "io/AtomicFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/statvfs.h>
#include <unistd.h>

#include <cerrno>
#include <cstdint>
#include <new>
#include <random>
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

// A short name for the new file in `folder`, different at every call:
// ".rho-" and six letters or digits, then ".tmp".
std::string temporaryName(const std::string& folder) {
    static std::mt19937_64 random{std::random_device{}() ^ static_cast<std::uint64_t>(::getpid())};
    static constexpr char kLetters[] = "abcdefghijklmnopqrstuvwxyz0123456789";
    std::string name = folder + ".rho-";
    std::uint64_t bits = random();
    for (int i = 0; i < 6; ++i, bits /= 36) name += kLetters[bits % 36];
    return name + ".tmp";
}

// Makes sure the disk holds room for the first `size` bytes of the file
// open at `fd` before any of its bytes change. The reservation is the file
// system's own, so it also counts quotas and blocks kept for root, which a
// look at the free space would miss. A file system that cannot reserve is
// asked for its free space instead.
bool reserveRoom(int fd, off_t oldSize, std::size_t size) {
    if (size == 0) return true;
    const int error = ::posix_fallocate(fd, 0, static_cast<off_t>(size));
    if (error == 0) return true;
    if (error != EOPNOTSUPP && error != EINVAL) {
        // A full disk, a quota, a file-size limit: a partial reservation
        // may have lengthened the file, never changed a byte of it.
        if (::ftruncate(fd, oldSize) != 0) {
            // the old bytes are whole either way; only zeros may trail them
        }
        return false;
    }
    struct statvfs fs {};
    if (::fstatvfs(fd, &fs) != 0) return false;
    const std::uint64_t growth = static_cast<std::uint64_t>(size) > static_cast<std::uint64_t>(oldSize)
                                     ? static_cast<std::uint64_t>(size) - static_cast<std::uint64_t>(oldSize)
                                     : 0;
    return static_cast<std::uint64_t>(fs.f_bavail) * fs.f_frsize >= growth;
}

// Writes `bytes` over the file open at `fd`, from its start, and cuts it to
// their length. The old content stays whole unless the room was reserved.
bool rewrite(int fd, const std::string& bytes) {
    struct stat st {};
    if (::fstat(fd, &st) != 0 || !reserveRoom(fd, st.st_size, bytes.size())) return false;
    for (std::size_t done = 0; done < bytes.size();) {
        const ssize_t n = ::pwrite(fd, bytes.data() + done, bytes.size() - done, static_cast<off_t>(done));
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        done += static_cast<std::size_t>(n);
    }
    return ::ftruncate(fd, static_cast<off_t>(bytes.size())) == 0 && ::fsync(fd) == 0;
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
    inPlace_ = false;
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
        // A new file renamed over one name would leave the others with the
        // old content.
        if (existing.st_nlink > 1) return openInPlace();
    }

    // A short name, whatever the length of the target's, so that a name of
    // up to 255 bytes can still be saved. Created like any new file, so the
    // umask and the folder's default permissions apply.
    const std::string folder = folderOf(target_);
    for (int attempt = 0; attempt < 100 && fd_ < 0; ++attempt) {
        tempPath_ = temporaryName(folder);
        fd_ = ::open(tempPath_.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd_ < 0 && errno != EEXIST) break;
    }
    if (fd_ < 0) {
        tempPath_.clear();
        // A folder that takes no new file (locked, out of inodes) may still
        // let its existing files be written.
        return exists && openInPlace();
    }
    if (!exists) return true;

    // The replacement keeps the owner and the permissions of the file it
    // replaces. Only root may give a file away; anyone else who saves a
    // file owned by another user (through group write permission) becomes
    // the owner of the new one.
    if (::fchown(fd_, existing.st_uid, existing.st_gid) != 0) {
        // not permitted: the saver keeps the new file
    }
    if (::fchmod(fd_, existing.st_mode & 07777) == 0) return true;
    discard();
    return false;
}

bool AtomicFile::openInPlace() {
    // Without blocking, in case a pipe took the file's place since the
    // checks; the checks are made again on what was opened.
    fd_ = ::open(target_.c_str(), O_WRONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK);
    struct stat st {};
    if (fd_ >= 0 && ::fstat(fd_, &st) == 0 && S_ISREG(st.st_mode)) {
        inPlace_ = true;
        pending_.clear();
        return true;
    }
    discard();
    return false;
}

bool AtomicFile::write(std::string_view bytes) {
    if (fd_ < 0 || failed_) return false;
    if (inPlace_) {
        // Nothing of the target changes before commit has every byte.
        try {
            pending_.append(bytes);
        } catch (const std::bad_alloc&) {
            failed_ = true;
            return false;
        }
        return true;
    }
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
    if (inPlace_) return commitInPlace();
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

bool AtomicFile::commitInPlace() {
    bool ok = !failed_ && rewrite(fd_, pending_);
    ok = (::close(fd_) == 0) && ok;
    fd_ = -1;
    std::string().swap(pending_);
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
    std::string().swap(pending_);
}

}  // namespace rho
