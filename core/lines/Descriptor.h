#pragma once

#include "core/lines/SystemCalls.h"

#include <utility>

namespace vantor {

// An open file descriptor, closed when it goes.
class Descriptor {
public:
    Descriptor() = default;
    explicit Descriptor(int fd) : fd_(fd) {}
    ~Descriptor() { reset(); }
    Descriptor(Descriptor&& other) noexcept : fd_(std::exchange(other.fd_, -1)) {}
    Descriptor& operator=(Descriptor&& other) noexcept {
        if (this != &other) {
            reset();
            fd_ = std::exchange(other.fd_, -1);
        }
        return *this;
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;

    int get() const { return fd_; }
    // Hands the descriptor over to the caller, who closes it.
    int release() { return std::exchange(fd_, -1); }
    bool valid() const { return fd_ >= 0; }
    // Closes now; false with errno set when the close reports an error,
    // which for a written file may be the first word of a failed write.
    bool close() { return System().close(std::exchange(fd_, -1)) == 0; }
    void reset() {
        if (fd_ >= 0)
            System().close(std::exchange(fd_, -1));
    }

private:
    int fd_ = -1;
};

} // namespace vantor
