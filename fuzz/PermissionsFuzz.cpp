#include "core/vfs/VfsFile.h"

#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

using namespace vantor;

// A decoded field encodes back to its first three digits with 8 and 9 cut to
// their low bits; a refused field leaves the rights untouched.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view field(reinterpret_cast<const char*>(data), size);
    Permissions rights;
    rights.ownerWrite = rights.groupExecute = rights.otherRead = true;
    const std::string before = EncodePermissions(rights);

    bool valid = field.size() >= 3;
    std::string digits;
    for (std::size_t i = 0; valid && i < 3; ++i) {
        valid = field[i] >= '0' && field[i] <= '9';
        digits.push_back(static_cast<char>('0' + ((field[i] - '0') & 7)));
    }
    const bool decoded = DecodePermissions(field, rights);
    if (decoded != valid || EncodePermissions(rights) != (valid ? digits : before))
        std::abort();
    return 0;
}
