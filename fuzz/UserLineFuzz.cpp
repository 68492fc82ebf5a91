#include "core/users/UserLine.h"

#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

using namespace vantor;

// Any line parses without fault, and an account read from a whole line is
// written in a form that reads back to the same account.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view line(reinterpret_cast<const char*>(data), size);
    UserLine user;
    if (!ParseUserLine(line, user))
        return 0;
    const std::string written = FormatUserLine(user);
    UserLine reread;
    if (!ParseUserLine(written, reread) || FormatUserLine(reread) != written)
        std::abort();
    return 0;
}
