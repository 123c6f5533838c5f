#pragma once
// A file written in full or not at all: the bytes go into a new file beside
// the target, which replaces the target only when every byte was written
// and the file closed without error. Until then, and after any failure, the
// previous file at the target stays as it was.

#include <cstddef>
#include <string>
#include <string_view>

namespace rho {

class AtomicFile {
public:
    AtomicFile() = default;
    AtomicFile(const AtomicFile&) = delete;
    AtomicFile& operator=(const AtomicFile&) = delete;
    // Discards the new file unless it was committed.
    ~AtomicFile();

    // Creates the new file beside `path` (a symbolic link is followed, so
    // saving through it updates the file it points at). A target that exists
    // and is not a regular file (a device, a pipe) is opened and written in
    // place instead, never replaced. False when no file can be made there.
    bool open(const std::string& path);
    // Appends bytes; false once any write has failed.
    bool write(std::string_view bytes);
    // Closes the new file and renames it over the target. False when any
    // write, the close or the rename failed; the new file is then removed.
    bool commit();
    // Removes the new file and leaves the target alone.
    void discard();

private:
    int fd_ = -1;
    bool failed_ = false;
    bool direct_ = false;  // writing straight into a target that is not a regular file
    std::string target_;
    std::string tempPath_;
};

}  // namespace rho
