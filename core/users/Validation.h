#pragma once

#include "core/users/UserLine.h"

#include <cstddef>
#include <stdexcept>
#include <string_view>

namespace vantor {

// Why a text was refused for a *.user line, a *.allow entry or another line of
// a line file. The checks run before anything is written, so that no input can
// break a line apart.
enum class InputRule {
    Ok,
    FieldHasLineBreak, // CR or LF in a text field, a line or an address
    FieldHasColon,     // ':' in a user line text field
    NameEmpty,         // a user name is needed to key the line
    NameHasAt,         // '@' in a user name would split its *.allow entries
    NameTooLong,       // over kMaxUserNameLength bytes
    LineTooLong,       // a user line over kMaxUserLineLength bytes
    LineNameMismatch,  // field 1 of a line to store is not the name it is stored under
    AddressMalformed,  // not a dotted IPv4 address or a prefix of one ending in '.'
    FieldHasEndByte,   // 0x1A or NUL in a text field or a line: a reader stops there
};

inline constexpr std::size_t kMaxUserNameLength = 63;
inline constexpr std::size_t kMaxUserLineLength = 511;
inline constexpr std::size_t kMaxAddressLength = 15; // "255.255.255.255"
inline constexpr std::size_t kMaxAllowedEntryLength = 255;
// An entry is "%s@%s" of a valid name and address, so it can never exceed its
// limit and needs no check of its own.
static_assert(kMaxUserNameLength + 1 + kMaxAddressLength <= kMaxAllowedEntryLength);

// Raised by the writers (StoreUserLine, AddAllowedAddress) when their input
// breaks a rule; nothing has been written then.
class InvalidInput : public std::invalid_argument {
public:
    explicit InvalidInput(InputRule rule);
    InputRule rule() const noexcept { return rule_; }

private:
    InputRule rule_;
};

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
