#pragma once

#include <array>
#include <streambuf>

namespace vantor::admin {

// Standard output as a stream buffer that keeps why a write failed, so that
// a full disk or a closed pipe is told with its reason. Once a write fails,
// nothing more is written.
class OutputFile : public std::streambuf {
public:
    explicit OutputFile(int descriptor) : descriptor_(descriptor) {
        setp(buffer_.data(), buffer_.data() + buffer_.size());
    }
    ~OutputFile() override { sync(); }
    OutputFile(const OutputFile&) = delete;
    OutputFile& operator=(const OutputFile&) = delete;

    int error() const { return error_; } // 0 while every write succeeded

protected:
    int_type overflow(int_type c) override;
    int sync() override;

private:
    bool drain();

    int descriptor_;
    int error_ = 0;
    std::array<char, 1 << 16> buffer_{};
};

} // namespace vantor::admin
