#include "io/TextInput.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <charconv>
#include <cmath>

namespace rho {

FileLoad loadWholeFile(const std::string& path, std::size_t maxBytes, std::string& text, FileSource source) {
    text.clear();
    // Opened without blocking, so that a named pipe without a writer cannot
    // hang the program in open(); read with blocking, so that a pipe whose
    // writer is still at work is read to its end. A pipe without a writer
    // reads as empty at once.
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0) return FileLoad::CannotOpen;
    struct stat st {};
    const int flags = ::fcntl(fd, F_GETFL);
    if (::fstat(fd, &st) != 0 || S_ISDIR(st.st_mode) || flags < 0 || ::fcntl(fd, F_SETFL, flags & ~O_NONBLOCK) != 0) {
        ::close(fd);
        return FileLoad::CannotOpen;
    }
    // Regular files have a known size and are read with one allocation;
    // other sources (pipes, devices) are read until their end or until they
    // pass the size limit.
    const bool regular = S_ISREG(st.st_mode);
    if (!regular && source == FileSource::RegularOnly) {
        // A pipe whose writer stays silent would block the read for good.
        ::close(fd);
        return FileLoad::Unreadable;
    }
    if (regular && static_cast<std::size_t>(st.st_size) > maxBytes) {
        ::close(fd);
        return FileLoad::Unreadable;
    }
    const std::size_t capacity = regular ? static_cast<std::size_t>(st.st_size) : maxBytes + 1;
    FileLoad result = FileLoad::Loaded;
    std::size_t size = 0;
    try {
        text.resize(regular ? capacity : std::min<std::size_t>(capacity, 65536));
        while (size < capacity) {
            if (size == text.size()) text.resize(std::min(capacity, 2 * text.size()));
            const ssize_t n = ::read(fd, text.data() + size, text.size() - size);
            if (n < 0 && errno == EINTR) continue;
            if (n < 0) {
                result = FileLoad::Unreadable;
                break;
            }
            if (n == 0) break;
            size += static_cast<std::size_t>(n);
        }
    } catch (const std::bad_alloc&) {
        result = FileLoad::Unreadable;
    }
    ::close(fd);
    text.resize(std::min(size, text.size()));
    if (size > maxBytes) result = FileLoad::Unreadable;
    return result;
}

bool isBlank(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

void NumberCursor::skipBlanks() {
    while (p_ != end_ && isBlank(*p_)) ++p_;
}

bool NumberCursor::atEnd() {
    skipBlanks();
    return p_ == end_;
}

bool NumberCursor::take(char c) {
    if (p_ == end_ || *p_ != c) return false;
    ++p_;
    return true;
}

bool NumberCursor::readIntPart(int32_t& value) {
    skipBlanks();
    if (p_ == end_) return false;
    if (*p_ == '+' && p_ + 1 < end_ && p_[1] >= '0' && p_[1] <= '9') ++p_;
    const auto r = std::from_chars(p_, end_, value);
    if (r.ec != std::errc{}) return false;
    p_ = r.ptr;
    return true;
}

bool NumberCursor::readReal(double& value) {
    skipBlanks();
    if (p_ == end_) return false;
    if (*p_ == '+' && p_ + 1 < end_ && p_[1] != '-' && p_[1] != '+') ++p_;
    const auto r = std::from_chars(p_, end_, value, std::chars_format::general);
    if (r.ec != std::errc{} || (r.ptr != end_ && !isBlank(*r.ptr)) || !std::isfinite(value)) return false;
    p_ = r.ptr;
    return true;
}

}  // namespace rho
