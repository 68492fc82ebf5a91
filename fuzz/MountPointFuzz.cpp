#include "core/lines/TextLineList.h"
#include "core/vfs/VfsFile.h"

#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

using namespace vantor;

namespace {

bool canonicalRights(std::string_view field) {
    return field.size() == 3 && field.find_first_not_of("01234567") == std::string_view::npos;
}

} // namespace

// Any line parses without fault; a six-field line whose rights are three octal
// digits and whose flag is "r" or "n" is written back byte for byte.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view line(reinterpret_cast<const char*>(data), size);
    MountPoint mount;
    if (!ParseMountPoint(line, mount))
        return 0;
    const std::string written = FormatMountPoint(mount);
    MountPoint reread;
    if (!ParseMountPoint(written, reread) || FormatMountPoint(reread) != written)
        std::abort();

    std::string rights, flag;
    ExtractField(4, line, rights, kMountPointSeparator);
    ExtractField(5, line, flag, kMountPointSeparator);
    if (canonicalRights(rights) && (flag == "r" || flag == "n") && written != line)
        std::abort();
    return 0;
}
