#include "core/users/UserFields.h"

#include "core/lines/TextLineList.h"

#include <algorithm>

namespace vantor {

std::optional<UserField> UserFieldNamed(std::string_view column) {
    const auto found =
        std::find_if(kUserFields.begin(), kUserFields.end(),
                     [&](const UserFieldInfo& info) { return info.column == column; });
    if (found == kUserFields.end())
        return std::nullopt;
    return found->field;
}

UserFieldSet ReadUserFields(std::string_view line, UserLine& user) {
    UserFieldSet held;
    std::string field;
    for (const UserFieldInfo& info : kUserFields) {
        const int index = static_cast<int>(info.field);
        if (info.kind == UserFieldKind::Text) {
            if (ExtractField(index, line, user.*info.text, kUserFieldSeparator))
                held.set(static_cast<std::size_t>(index));
            continue;
        }
        if (!ExtractField(index, line, field, kUserFieldSeparator))
            continue;
        held.set(static_cast<std::size_t>(index));
        switch (info.kind) {
        case UserFieldKind::Level:
            user.*info.level = static_cast<int>(ReadLenientNumber(field));
            break;
        case UserFieldKind::Flag:
            // As the account dialog has it: only the exact text "0" clears a flag.
            user.*info.flag = field != "0";
            break;
        default:
            user.*info.number = static_cast<std::uint32_t>(ReadLenientNumber(field));
            break;
        }
    }
    return held;
}

UserLineReading ReadUserLine(std::string_view line, UserLine defaults) {
    UserLineReading reading{std::move(defaults), {}, false};
    reading.held = ReadUserFields(line, reading.account);
    reading.exact =
        std::count(line.begin(), line.end(), kUserFieldSeparator) == kUserLineFieldCount - 1;
    return reading;
}

} // namespace vantor
