#pragma once
// A file written in full or not at all: the bytes go into a new file beside
// the target, which replaces the target only when every byte was written,
// flushed to the disk and the file closed without error. Until then, and
// after any failure, the previous file at the target stays as it was and no
// temporary file is left behind.
//
// A target with more than one name (hard links), or one whose folder takes
// no new file, cannot be replaced that way without breaking its other names
// or failing. It is rewritten in place instead: the bytes are kept in memory
// until commit, which first reserves room on the disk for all of them and
// only then writes over the old content, so that a full disk or a size limit
// fails before the first old byte changes.

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

    // Creates the new file beside `path`, or opens an existing target that
    // is to be rewritten in place. A symbolic link is followed, also when it
    // dangles, so that saving through it updates the file it points at and
    // the link stays a link. False, at once and with nothing created, when
    // the target is a directory, a pipe, a device or any other thing that is
    // not a regular file, when it exists and is write-protected, or when it
    // does not exist and no file can be made in its folder (a missing or
    // locked folder, a name of more than 255 bytes).
    bool open(const std::string& path);
    // Appends bytes; false once any write has failed.
    bool write(std::string_view bytes);
    // Flushes the new file to the disk, closes it and renames it over the
    // target. False when any write, the flush, the close or the rename
    // failed; the new file is then removed. In place: reserves the room,
    // writes every byte over the target, cuts it to the new length and
    // flushes it; false, with the target unchanged, when the room cannot be
    // had.
    bool commit();
    // Removes the new file (or forgets the pending bytes) and leaves the
    // target alone.
    void discard();
    // True when open() chose to rewrite the target in place.
    bool inPlace() const { return inPlace_; }

    // The file that open() would replace for `path`: the end of its chain of
    // symbolic links (which need not exist), or `path` itself. Empty when
    // the links loop or run too deep.
    static std::string resolveLinks(const std::string& path);

private:
    bool openInPlace();
    bool commitInPlace();

    int fd_ = -1;  // the new file, or the target itself when in place
    bool failed_ = false;
    bool inPlace_ = false;
    std::string target_;
    std::string tempPath_;
    std::string pending_;  // the bytes of an in-place rewrite
};

}  // namespace rho
