#include "core/users/UserLine.h"

#include "core/lines/TextLineList.h"
#include "core/users/UserFields.h"

#include <algorithm>
#include <charconv>
#include <limits>
#include <utility>

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

namespace {

// Most numbers of an account are single digits, limits and counters 0.
template <typename Number> char* putNumber(char* at, char* end, Number value) {
    if (value >= 0 && value < 10) {
        *at = static_cast<char>('0' + value);
        return at + 1;
    }
    return std::to_chars(at, end, value).ptr;
}

// One field of the table, its kind known when compiled, so that formatting a
// line walks no table at run time.
template <std::size_t Index> char* putField(const UserLine& user, char* at, char* end) {
    constexpr UserFieldInfo info = kUserFields[Index];
    if constexpr (info.kind == UserFieldKind::Text) {
        const std::string& text = user.*info.text;
        at = std::copy(text.begin(), text.end(), at);
    } else if constexpr (info.kind == UserFieldKind::Level) {
        at = putNumber(at, end, user.*info.level);
    } else if constexpr (info.kind == UserFieldKind::Flag) {
        *at++ = user.*info.flag ? '1' : '0';
    } else if constexpr (info.kind == UserFieldKind::SignedNumber) {
        // As the server reads every number: values from 2^31 up show as
        // negative ones and read back to the same value.
        at = putNumber(at, end, static_cast<std::int32_t>(user.*info.number));
    } else {
        at = putNumber(at, end, user.*info.number);
    }
    if constexpr (Index + 1 < kUserFields.size())
        *at++ = kUserFieldSeparator;
    return at;
}

template <std::size_t... Index>
char* putFields(const UserLine& user, char* at, char* end, std::index_sequence<Index...>) {
    ((at = putField<Index>(user, at, end)), ...);
    return at;
}

template <std::size_t Index> std::size_t textSize(const UserLine& user) {
    constexpr UserFieldInfo info = kUserFields[Index];
    if constexpr (info.kind == UserFieldKind::Text)
        return (user.*info.text).size();
    else
        return 0;
}

template <std::size_t... Index>
std::size_t textSizes(const UserLine& user, std::index_sequence<Index...>) {
    return (textSize<Index>(user) + ...);
}

} // namespace

void AppendUserLine(const UserLine& user, std::string& out) {
    // The line is laid out in one buffer of its final size, so that a large
    // import pays for no check of the string's room per field: a number takes
    // at most 11 characters, and the texts are measured first.
    constexpr auto fields = std::make_index_sequence<kUserFields.size()>();
    const std::size_t size =
        kUserLineFieldCount - 1 + 11 * kUserLineFieldCount + textSizes(user, fields);
    const std::size_t start = out.size();
    out.resize(start + size);
    char* const end = out.data() + out.size();
    char* const at = putFields(user, out.data() + start, end, fields);
    out.resize(static_cast<std::size_t>(at - out.data()));
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
