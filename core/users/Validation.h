#pragma once

#include "core/lines/Errors.h"
#include "core/users/UserLine.h"

#include <cstddef>
#include <string_view>

namespace vantor {

inline constexpr std::size_t kMaxUserNameLength = 63;
inline constexpr std::size_t kMaxUserLineLength = 511;
inline constexpr std::size_t kMaxAddressLength = 15; // "255.255.255.255"
inline constexpr std::size_t kMaxAllowedEntryLength = 255;
// An entry is "%s@%s" of a valid name and address, so it can never exceed its
// limit and needs no check of its own.
static_assert(kMaxUserNameLength + 1 + kMaxAddressLength <= kMaxAllowedEntryLength);

// Any text that is to stand inside one line of a line file: no line break and
// no byte that ends the file for its readers.
InputRule CheckLineText(std::string_view text);
// A password, group, note or language text.
InputRule CheckUserTextField(std::string_view text);
InputRule CheckUserName(std::string_view name);
// Every text field and the length of the line the account formats to.
InputRule CheckUserLine(const UserLine& user);
// The same for an account already formatted to `line`.
InputRule CheckUserLine(const UserLine& user, std::string_view line);
// A formatted line about to be stored under `name`.
InputRule CheckUserLineText(std::string_view name, std::string_view line);
// Four numbers 0 to 255 joined by '.', or one to three such numbers each
// followed by '.'; no leading zeros, since the server compares addresses as
// text and "010." would never match "10.".
InputRule CheckAllowedAddress(std::string_view address);
// The user and address of a "%s@%s" entry.
InputRule CheckAllowedEntry(std::string_view user, std::string_view address);

} // namespace vantor
