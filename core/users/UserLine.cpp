#include "core/users/UserLine.h"

#include "core/lines/TextLineList.h"

#include <algorithm>
#include <charconv>
#include <limits>
#include <type_traits>

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
        out += kUserFieldSeparator;
    };
    const auto flag = [&](bool value) {
        out += value ? '1' : '0';
        out += kUserFieldSeparator;
    };
    const auto text = [&](const std::string& value) {
        out += value;
        out += kUserFieldSeparator;
    };
    // The limits and the ratio with a signed conversion, as the server reads
    // every number; the counters unsigned.
    const auto signedNumber = [&](std::uint32_t value) {
        number(static_cast<std::int32_t>(value));
    };
    text(user.name);
    number(user.level);
    text(user.password);
    text(user.group);
    flag(user.accountAllowed);
    signedNumber(user.downloadLimit);
    signedNumber(user.uploadLimit);
    signedNumber(user.ratio);
    signedNumber(user.maxLogins);
    flag(user.ipCheckOff);
    number(user.downloaded);
    number(user.uploaded);
    text(user.note);
    out += user.language;
}

bool ParseUserLine(std::string_view line, UserLine& user) {
    std::string field;
    auto text = [&](int index, std::string& out) {
        ExtractField(index, line, out, kUserFieldSeparator);
    };
    auto number = [&](int index, auto& out) {
        if (ExtractField(index, line, field, kUserFieldSeparator))
            out = static_cast<std::remove_reference_t<decltype(out)>>(ReadLenientNumber(field));
    };
    // The flags follow the account dialog: only the exact text "0" clears them.
    auto flag = [&](int index, bool& out) {
        if (ExtractField(index, line, field, kUserFieldSeparator))
            out = field != "0";
    };

    text(0, user.name);
    number(1, user.level);
    text(2, user.password);
    text(3, user.group);
    flag(4, user.accountAllowed);
    number(5, user.downloadLimit);
    number(6, user.uploadLimit);
    number(7, user.ratio);
    number(8, user.maxLogins);
    flag(9, user.ipCheckOff);
    number(10, user.downloaded);
    number(11, user.uploaded);
    text(12, user.note);
    text(13, user.language);
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
