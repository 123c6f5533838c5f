#pragma once
// A file written in full or not at all: the bytes go into a new file beside
// the target, which replaces the target only when every byte was written,
// flushed to the disk and the file closed without error. Until then, and
// after any failure, the previous file at the target stays as it was and no
// temporary file is left behind.

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

    // Creates the new file beside `path`. A symbolic link is followed, also
    // when it dangles, so that saving through it updates the file it points
    // at and the link stays a link. False, at once and with nothing created,
    // when the target is a directory, a pipe, a device or any other thing
    // that is not a regular file, when it exists and is write-protected, or
    // when no file can be made in its folder (a missing folder, a name of
    // more than 255 bytes).
    bool open(const std::string& path);
    // Appends bytes; false once any write has failed.
    bool write(std::string_view bytes);
    // Flushes the new file to the disk, closes it and renames it over the
    // target. False when any write, the flush, the close or the rename
    // failed; the new file is then removed.
    bool commit();
    // Removes the new file and leaves the target alone.
    void discard();

    // The file that open() would replace for `path`: the end of its chain of
    // symbolic links (which need not exist), or `path` itself. Empty when
    // the links loop or run too deep.
    static std::string resolveLinks(const std::string& path);

private:
    int fd_ = -1;
    bool failed_ = false;
    std::string target_;
    std::string tempPath_;
};

}  // namespace rho
