#include "core/vfs/MountFields.h"

#include "core/lines/TextLineList.h"

#include <algorithm>

namespace vantor {

std::optional<MountField> MountFieldNamed(std::string_view column) {
    const auto found =
        std::find_if(kMountFields.begin(), kMountFields.end(),
                     [&](const MountFieldInfo& info) { return info.column == column; });
    if (found == kMountFields.end())
        return std::nullopt;
    return found->field;
}

std::optional<std::string> MountFieldText(std::string_view line, MountField field) {
    std::string text;
    if (!ExtractField(static_cast<int>(field), line, text, kMountPointSeparator))
        return std::nullopt;
    return text;
}

} // namespace vantor
