#include "cli/Output.h"

#include <cerrno>
#include <unistd.h>

namespace vantor::admin {

bool OutputFile::drain() {
    const char* from = pbase();
    while (error_ == 0 && from < pptr()) {
        const ssize_t written = ::write(descriptor_, from, static_cast<std::size_t>(pptr() - from));
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0)
            error_ = written < 0 ? errno : EIO;
        else
            from += written;
    }
    setp(buffer_.data(), buffer_.data() + buffer_.size());
    return error_ == 0;
}

OutputFile::int_type OutputFile::overflow(int_type c) {
    if (!drain())
        return traits_type::eof();
    if (!traits_type::eq_int_type(c, traits_type::eof()))
        sputc(traits_type::to_char_type(c));
    return traits_type::not_eof(c);
}

int OutputFile::sync() {
    return drain() ? 0 : -1;
}

} // namespace vantor::admin
