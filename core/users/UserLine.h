#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace vantor {

inline constexpr int kNoLevel = 4; // the level of an account for which none was chosen

// One account of the *.user file: fourteen fields joined by ':', written as
// "%s:%d:%s:%s:%d:%d:%d:%d:%d:%d:%u:%u:%s:%s". The limits and the ratio are
// unsigned values written with a signed conversion, so values from 2^31 up
// appear as negative numbers in the file and read back to the same value.
struct UserLine {
    std::string name;
    int level = kNoLevel; // a number of kUserLevels
    std::string password;
    std::string group;
    bool accountAllowed = true;
    std::uint32_t downloadLimit = 0; // kb/s, 0: no limit
    std::uint32_t uploadLimit = 0;   // kb/s, 0: no limit
    std::uint32_t ratio = 0;         // N of the ratio 1:N, 0: off
    std::uint32_t maxLogins = 0;     // 0: no limit
    bool ipCheckOff = false;
    std::uint32_t downloaded = 0; // kb so far
    std::uint32_t uploaded = 0;   // kb so far
    std::string note;
    std::string language; // a code of kUserLanguages, or empty
};

// The values a new account gets, as the account dialog shows them before
// anything is chosen: no level, the account allowed, no limits, no ratio,
// zero counters, empty texts and the default language.
UserLine NewUserLine(std::string name);

inline constexpr int kUserLineFieldCount = 14;
inline constexpr char kUserFieldSeparator = ':';

std::string FormatUserLine(const UserLine& user);
// Appends the same bytes to `out`, without a string of its own for each field.
void AppendUserLine(const UserLine& user, std::string& out);

// Reads every field the line holds into `user`; a field the line lacks keeps
// the value `user` had. Field 5 and field 10 read as set unless their text is
// exactly "0". True when the line holds exactly fourteen fields.
bool ParseUserLine(std::string_view line, UserLine& user);

// The field 1 of a line, the key by which accounts are found.
std::string UserNameOf(std::string_view line);

// Numbers read as the server reads them: leading blanks skipped, an optional
// sign, then the leading decimal digits; no digits read as 0. Saturates
// instead of overflowing.
std::int64_t ReadLenientNumber(std::string_view text);

struct UserLevel {
    int number;
    std::string_view name;
};
// In the order the level list offers them.
inline constexpr std::array<UserLevel, 4> kUserLevels{{
    {0, "root"},
    {1, "super"},
    {2, "normal"},
    {3, "guest"},
}};

std::optional<std::string_view> LevelName(int number);
std::optional<int> LevelNumber(std::string_view name);

struct UserLanguage {
    std::string_view code;        // as written in field 14
    std::string_view displayName; // as the language list shows it
};
// In the order the language list offers them.
inline constexpr std::array<UserLanguage, 4> kUserLanguages{{
    {"default", "default"},
    {"eng", "eng-english"},
    {"cht", "cht-chinese"},
    {"jpn", "jpn-japanese"},
}};

std::optional<std::string_view> LanguageDisplayName(std::string_view code);
std::optional<std::string_view> LanguageCode(std::string_view displayName);

} // namespace vantor
