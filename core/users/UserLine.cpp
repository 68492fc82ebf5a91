#include "core/users/UserLine.h"

#include "core/lines/TextLineList.h"
#include "core/users/UserFields.h"

#include <algorithm>
#include <charconv>
#include <limits>

namespace vantor {

UserLine NewUserLine(std::string name) {
    UserLine user;
    user.name = std::move(name);
    user.language = kUserLanguages.front().code;
    return user;
}

std::string FormatUserLine(const UserLine& user) {
    std::string line;
    AppendUserLine(user, line);
    return line;
}

void AppendUserLine(const UserLine& user, std::string& out) {
    // In the type the field has: 32-bit conversions are the quick ones.
    const auto number = [&](auto value) {
        char digits[24];
        out.append(digits, std::to_chars(digits, digits + sizeof digits, value).ptr);
    };
    for (const UserFieldInfo& info : kUserFields) {
        switch (info.kind) {
        case UserFieldKind::Text:
            out += user.*info.text;
            break;
        case UserFieldKind::Level:
            number(user.*info.level);
            break;
        case UserFieldKind::Flag:
            out += user.*info.flag ? '1' : '0';
            break;
        case UserFieldKind::SignedNumber:
            // As the server reads every number: values from 2^31 up show
            // as negative ones and read back to the same value.
            number(static_cast<std::int32_t>(user.*info.number));
            break;
        case UserFieldKind::Counter:
            number(user.*info.number);
            break;
        }
        if (info.field != UserField::Language)
            out += kUserFieldSeparator;
    }
}

bool ParseUserLine(std::string_view line, UserLine& user) {
    ReadUserFields(line, user);
    return std::count(line.begin(), line.end(), kUserFieldSeparator) == kUserLineFieldCount - 1;
}

std::string UserNameOf(std::string_view line) {
    std::string name;
    ExtractField(0, line, name, kUserFieldSeparator);
    return name;
}

std::int64_t ReadLenientNumber(std::string_view text) {
    std::size_t i = 0;
    const std::size_t n = text.size();
    while (i < n && (text[i] == ' ' || (text[i] >= '\t' && text[i] <= '\r')))
        ++i;
    bool negative = false;
    if (i < n && (text[i] == '+' || text[i] == '-'))
        negative = text[i++] == '-';
    constexpr std::int64_t kMax = std::numeric_limits<std::int64_t>::max();
    std::int64_t value = 0;
    for (; i < n && text[i] >= '0' && text[i] <= '9'; ++i) {
        const int digit = text[i] - '0';
        value = value > (kMax - digit) / 10 ? kMax : value * 10 + digit;
    }
    return negative ? -value : value;
}

std::optional<std::string_view> LevelName(int number) {
    for (const auto& level : kUserLevels)
        if (level.number == number)
            return level.name;
    return std::nullopt;
}

std::optional<int> LevelNumber(std::string_view name) {
    for (const auto& level : kUserLevels)
        if (level.name == name)
            return level.number;
    return std::nullopt;
}

std::optional<std::string_view> LanguageDisplayName(std::string_view code) {
    for (const auto& language : kUserLanguages)
        if (language.code == code)
            return language.displayName;
    return std::nullopt;
}

std::optional<std::string_view> LanguageCode(std::string_view displayName) {
    for (const auto& language : kUserLanguages)
        if (language.displayName == displayName)
            return language.code;
    return std::nullopt;
}

} // namespace vantor
