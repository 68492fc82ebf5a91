#pragma once

#include "core/users/UserLine.h"

#include <array>
#include <bitset>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace vantor {

// The fourteen fields of an account, in the order of its line.
enum class UserField {
    Name,
    Level,
    Password,
    Group,
    Enabled,
    DownloadLimit,
    UploadLimit,
    Ratio,
    MaxLogins,
    IpCheckOff,
    Downloaded,
    Uploaded,
    Note,
    Language,
};

// How a field is held in an account and written into its line.
enum class UserFieldKind {
    Text,         // the bytes as they are
    Level,        // a number of kUserLevels, in decimal
    Flag,         // "1" or "0"; any text but "0" reads as set
    SignedNumber, // an unsigned value written with a signed conversion
    Counter,      // an unsigned value written as it is
};

// One field of the user line: where it stands, its name wherever a field is
// named to the user or a script (CSV headers, JSON, options), its kind and
// the member of UserLine that holds it. Parsing, formatting, the account
// dialog and vantor-admin all go through this one table.
struct UserFieldInfo {
    UserField field;
    std::string_view column;
    UserFieldKind kind;
    std::string UserLine::*text = nullptr;
    int UserLine::*level = nullptr;
    bool UserLine::*flag = nullptr;
    std::uint32_t UserLine::*number = nullptr;
};

namespace user_fields {
using L = UserLine;
using K = UserFieldKind;
using F = UserField;
constexpr UserFieldInfo text(F field, std::string_view column, std::string L::*member) {
    return {field, column, K::Text, member};
}
constexpr UserFieldInfo flag(F field, std::string_view column, bool L::*member) {
    return {field, column, K::Flag, nullptr, nullptr, member};
}
constexpr UserFieldInfo number(F field, std::string_view column, K kind, std::uint32_t L::*member) {
    return {field, column, kind, nullptr, nullptr, nullptr, member};
}
} // namespace user_fields

inline constexpr std::array<UserFieldInfo, kUserLineFieldCount> kUserFields{{
    user_fields::text(UserField::Name, "name", &UserLine::name),
    {UserField::Level, "level", UserFieldKind::Level, nullptr, &UserLine::level},
    user_fields::text(UserField::Password, "password", &UserLine::password),
    user_fields::text(UserField::Group, "group", &UserLine::group),
    user_fields::flag(UserField::Enabled, "enabled", &UserLine::accountAllowed),
    user_fields::number(UserField::DownloadLimit, "download_limit", UserFieldKind::SignedNumber,
                        &UserLine::downloadLimit),
    user_fields::number(UserField::UploadLimit, "upload_limit", UserFieldKind::SignedNumber,
                        &UserLine::uploadLimit),
    user_fields::number(UserField::Ratio, "ratio", UserFieldKind::SignedNumber, &UserLine::ratio),
    user_fields::number(UserField::MaxLogins, "max_logins", UserFieldKind::SignedNumber,
                        &UserLine::maxLogins),
    user_fields::flag(UserField::IpCheckOff, "ip_check_off", &UserLine::ipCheckOff),
    user_fields::number(UserField::Downloaded, "downloaded", UserFieldKind::Counter,
                        &UserLine::downloaded),
    user_fields::number(UserField::Uploaded, "uploaded", UserFieldKind::Counter,
                        &UserLine::uploaded),
    user_fields::text(UserField::Note, "note", &UserLine::note),
    user_fields::text(UserField::Language, "language", &UserLine::language),
}};

constexpr bool FieldsInLineOrder() {
    for (std::size_t i = 0; i < kUserFields.size(); ++i)
        if (static_cast<std::size_t>(kUserFields[i].field) != i)
            return false;
    return true;
}
static_assert(FieldsInLineOrder(), "the table lists the fields in the order of the line");

constexpr const UserFieldInfo& FieldInfo(UserField field) {
    return kUserFields[static_cast<std::size_t>(field)];
}
// The field of that column name, matched exactly.
std::optional<UserField> UserFieldNamed(std::string_view column);

using UserFieldSet = std::bitset<kUserLineFieldCount>;

// A line read field by field: the account, with the fields the line lacks
// taken from the account given, and which fields the line holds. A short
// line, such as "dave:2:davepw", holds only its first fields; an account
// shown from it keeps the others as a new account has them.
struct UserLineReading {
    UserLine account;
    UserFieldSet held;
    bool exact = false; // exactly fourteen fields

    bool holds(UserField field) const { return held.test(static_cast<std::size_t>(field)); }
};
UserLineReading ReadUserLine(std::string_view line, UserLine defaults = NewUserLine({}));
// The same into an account of the caller's: the fields the line holds are
// read into it, the others keep their values.
UserFieldSet ReadUserFields(std::string_view line, UserLine& user);

} // namespace vantor
