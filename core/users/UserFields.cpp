#include "core/users/UserFields.h"

#include "core/lines/TextLineList.h"

#include <algorithm>
#include <array>

namespace vantor {

std::optional<UserField> UserFieldNamed(std::string_view column) {
    const auto found =
        std::find_if(kUserFields.begin(), kUserFields.end(),
                     [&](const UserFieldInfo& info) { return info.column == column; });
    if (found == kUserFields.end())
        return std::nullopt;
    return found->field;
}

namespace {

// The fields of one line as ExtractField takes each of them, with the line
// scanned once for all fourteen instead of once per field.
class LineFields {
public:
    explicit LineFields(std::string_view line) : line_(line) {
        const std::size_t n = line.size();
        for (std::size_t i = 0; i < n && count_ < kUserLineFieldCount; ++i) {
            if (i + 1 == n && count_ == 0) {
                // A text with no separator before its last character is one field.
                ends_[count_++] = n;
                break;
            }
            if (line[i] == kUserFieldSeparator)
                ends_[count_++] = i;
        }
    }

    // The field `index` into `out` and true; false when the line lacks it,
    // with `out` emptied when the line ends right after the field before.
    bool take(int index, std::string& out) const {
        const int k = std::min(count_, index + 1);
        const auto at = [&](int i) { return ends_[static_cast<std::size_t>(i)]; };
        if (index == 0) {
            out.assign(k == 0 ? line_ : line_.substr(0, at(0)));
            return true;
        }
        if (index < k) {
            out.assign(line_.substr(at(index - 1) + 1, at(index) - at(index - 1) - 1));
            return true;
        }
        if (index == k) {
            if (at(index - 1) == line_.size()) {
                out.clear();
                return false;
            }
            out.assign(line_.substr(at(index - 1) + 1));
            return true;
        }
        return false;
    }

private:
    std::string_view line_;
    std::array<std::size_t, kUserLineFieldCount> ends_{};
    int count_ = 0;
};

} // namespace

UserFieldSet ReadUserFields(std::string_view line, UserLine& user) {
    UserFieldSet held;
    std::string field;
    const LineFields fields(line);
    for (const UserFieldInfo& info : kUserFields) {
        const int index = static_cast<int>(info.field);
        if (info.kind == UserFieldKind::Text) {
            if (fields.take(index, user.*info.text))
                held.set(static_cast<std::size_t>(index));
            continue;
        }
        if (!fields.take(index, field))
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
