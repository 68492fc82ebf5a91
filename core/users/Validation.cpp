#include "core/users/Validation.h"

#include "core/lines/TextLineList.h"

#include <algorithm>

namespace vantor {

namespace {

// One number 0 to 255 without leading zeros, taken from the front of `text`.
bool takeOctet(std::string_view& text) {
    std::size_t digits = 0;
    int value = 0;
    while (digits < text.size() && digits < 3 && text[digits] >= '0' && text[digits] <= '9')
        value = value * 10 + (text[digits++] - '0');
    if (digits == 0 || value > 255 || (digits > 1 && text[0] == '0'))
        return false;
    text.remove_prefix(digits);
    return true;
}

bool isLineBreakOrEndByte(char c) {
    return c == '\r' || c == '\n' || c == '\x1A' || c == '\0';
}

// A search per byte value, each a fast memchr, costs less than a test of
// every byte against all four.
bool passesAsUserLine(std::string_view line) {
    for (const char c : {'\r', '\n', '\x1A', '\0'})
        if (line.find(c) != std::string_view::npos)
            return false;
    return std::count(line.begin(), line.end(), kUserFieldSeparator) == kUserLineFieldCount - 1;
}

} // namespace

InputRule CheckLineText(std::string_view text) {
    // Almost every text passes: one pass over it tells, and only a text that
    // holds one of the bytes is looked at again for the rule that comes first.
    if (std::none_of(text.begin(), text.end(), isLineBreakOrEndByte))
        return InputRule::Ok;
    if (HasLineBreak(text))
        return InputRule::FieldHasLineBreak;
    if (HasEndOfFileByte(text))
        return InputRule::FieldHasEndByte;
    return InputRule::Ok;
}

InputRule CheckUserTextField(std::string_view text) {
    if (const InputRule rule = CheckLineText(text); rule != InputRule::Ok)
        return rule;
    if (text.find(kUserFieldSeparator) != std::string_view::npos)
        return InputRule::FieldHasColon;
    return InputRule::Ok;
}

InputRule CheckUserName(std::string_view name) {
    if (name.empty())
        return InputRule::NameEmpty;
    if (const InputRule rule = CheckUserTextField(name); rule != InputRule::Ok)
        return rule;
    if (name.find('@') != std::string_view::npos)
        return InputRule::NameHasAt;
    if (name.size() > kMaxUserNameLength)
        return InputRule::NameTooLong;
    return InputRule::Ok;
}

InputRule CheckUserLine(const UserLine& user) {
    return CheckUserLine(user, FormatUserLine(user));
}

InputRule CheckUserLine(const UserLine& user, std::string_view line) {
    // The line joins the text fields with the numbers, which hold none of the
    // bytes looked for: when the whole line has no line break and no end byte,
    // and no separator besides the thirteen that join its fields, every text
    // field passes, and only the name's own rules are left.
    if (line.size() <= kMaxUserLineLength && !user.name.empty() &&
        user.name.size() <= kMaxUserNameLength && user.name.find('@') == std::string::npos &&
        passesAsUserLine(line))
        return InputRule::Ok;
    if (const InputRule rule = CheckUserName(user.name); rule != InputRule::Ok)
        return rule;
    for (const std::string* text : {&user.password, &user.group, &user.note, &user.language})
        if (const InputRule rule = CheckUserTextField(*text); rule != InputRule::Ok)
            return rule;
    if (line.size() > kMaxUserLineLength)
        return InputRule::LineTooLong;
    return InputRule::Ok;
}

InputRule CheckUserLineText(std::string_view name, std::string_view line) {
    if (const InputRule rule = CheckUserName(name); rule != InputRule::Ok)
        return rule;
    if (const InputRule rule = CheckLineText(line); rule != InputRule::Ok)
        return rule;
    if (line.size() > kMaxUserLineLength)
        return InputRule::LineTooLong;
    if (UserNameOf(line) != name)
        return InputRule::LineNameMismatch;
    return InputRule::Ok;
}

InputRule CheckAllowedAddress(std::string_view address) {
    std::string_view rest = address;
    for (int octet = 0; octet < 4; ++octet) {
        if (!takeOctet(rest))
            return InputRule::AddressMalformed;
        if (rest.empty())
            return octet == 3 ? InputRule::Ok : InputRule::AddressMalformed;
        if (rest.front() != '.')
            return InputRule::AddressMalformed;
        rest.remove_prefix(1);
        if (rest.empty())
            return octet < 3 ? InputRule::Ok : InputRule::AddressMalformed;
    }
    return InputRule::AddressMalformed;
}

InputRule CheckAllowedEntry(std::string_view user, std::string_view address) {
    if (const InputRule rule = CheckUserName(user); rule != InputRule::Ok)
        return rule;
    return CheckAllowedAddress(address);
}

} // namespace vantor
