#pragma once
// A named pipe with a writer that never writes: the test holds its write
// end open, so a reader that waits for data or for the end waits for good.

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <string>

namespace rho::test {

class SilentFifo {
public:
    explicit SilentFifo(std::string path) : path_(std::move(path)) {
        if (::mkfifo(path_.c_str(), 0644) == 0) writer_ = ::open(path_.c_str(), O_RDWR | O_NONBLOCK | O_CLOEXEC);
    }
    ~SilentFifo() {
        if (writer_ >= 0) ::close(writer_);
    }
    SilentFifo(const SilentFifo&) = delete;
    SilentFifo& operator=(const SilentFifo&) = delete;

    bool ready() const { return writer_ >= 0; }
    const std::string& path() const { return path_; }

private:
    std::string path_;
    int writer_ = -1;
};

}  // namespace rho::test
