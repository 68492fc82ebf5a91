#include "core/server/DesignKeys.h"

#include "core/lines/Decimal.h"
#include "core/lines/FileChange.h"
#include "core/lines/FileSystem.h"
#include "core/lines/TextLineList.h"
#include "core/server/IniFile.h"
#include "core/users/Validation.h"

#include <algorithm>
#include <optional>

namespace vantor {

namespace {

using Rule = DesignKeyCheck::Rule;

enum class Kind { Name, Address, Unsigned, Count, Flag, CheckMode, Path, Timeout };

struct KeyField {
    std::string_view key;
    Kind kind;
    std::string ServerDesign::*text = nullptr;
    std::uint32_t ServerDesign::*number = nullptr;
    bool ServerDesign::*flag = nullptr;
};

constexpr KeyField text(std::string_view key, Kind kind, std::string ServerDesign::*field) {
    return {key, kind, field, nullptr, nullptr};
}
constexpr KeyField number(std::string_view key, Kind kind, std::uint32_t ServerDesign::*field) {
    return {key, kind, nullptr, field, nullptr};
}
constexpr KeyField flag(std::string_view key, bool ServerDesign::*field) {
    return {key, Kind::Flag, nullptr, nullptr, field};
}

using D = ServerDesign;
constexpr KeyField kFields[] = {
    text("SERVER_NAME", Kind::Name, &D::serverName),
    text("SERVER_IP", Kind::Address, &D::serverIp),
    number("LISTEN_PORT", Kind::Unsigned, &D::listenPort),
    flag("ALLOW_ANON", &D::allowAnonymous),
    flag("USE_ANON_MAX", &D::useAnonymousMax),
    number("ANON_MAX", Kind::Count, &D::anonymousMax),
    flag("USE_USER_MAX", &D::useUserMax),
    number("USER_MAX", Kind::Count, &D::userMax),
    flag("USE_MAXUSER_PER_IP", &D::useMaxPerIp),
    number("MAXUSER_PER_IP", Kind::Count, &D::maxPerIp),
    {"IPCHK", Kind::CheckMode},
    flag("IPCHK_DATA", &D::checkDataIp),
    flag("PASV_IP_ROLLING", &D::pasvIpRolling),
    flag("AUTO_CHOOSE_IP", &D::autoChooseIp),
    text("VFSFILE", Kind::Path, &D::vfsFile),
    text("USRFILE", Kind::Path, &D::userFile),
    text("IPFILE", Kind::Path, &D::allowFile),
    flag("USE_DATAPORT_RANGE", &D::useDataPortRange),
    number("PORT_FROM", Kind::Unsigned, &D::dataPortFrom),
    number("PORT_TO", Kind::Unsigned, &D::dataPortTo),
    {"TIMEOUT", Kind::Timeout},
};
constexpr bool sameKeys() {
    for (std::size_t i = 0; i < kDesignKeys.size(); ++i)
        if (kFields[i].key != kDesignKeys[i])
            return false;
    return std::size(kFields) == kDesignKeys.size();
}
static_assert(sameKeys(), "the fields follow the order in which the keys are written");

const KeyField* fieldOf(std::string_view key) {
    const auto found = std::find_if(std::begin(kFields), std::end(kFields),
                                    [&](const KeyField& field) { return field.key == key; });
    return found == std::end(kFields) ? nullptr : found;
}

// Digits only, after an optional "-" where a sign is allowed; at most what
// an unsigned 32-bit field holds.
std::optional<std::int64_t> wholeNumber(std::string_view text, bool allowSign) {
    const bool negative = allowSign && !text.empty() && text.front() == '-';
    if (negative)
        text.remove_prefix(1);
    if (text.empty() || text.size() > 10 ||
        !std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; }))
        return std::nullopt;
    const std::int64_t value = std::stoll(std::string(text));
    if (value > 0xFFFFFFFFLL)
        return std::nullopt;
    return negative ? -value : value;
}

DesignKeyCheck inRange(std::optional<std::int64_t> value, Rule notNumber, std::int64_t min,
                       std::int64_t max) {
    if (!value)
        return {notNumber};
    if (*value < min || *value > max)
        return {Rule::OutOfRange, min, max};
    return {};
}

// Characters, not bytes: the page's box counts what the user sees.
std::size_t characterCount(std::string_view text) {
    return static_cast<std::size_t>(std::count_if(text.begin(), text.end(), [](char c) {
        return (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    }));
}

DesignKeyCheck checkText(Kind kind, std::string_view value) {
    if (HasLineBreak(value))
        return {Rule::LineBreak};
    switch (kind) {
    case Kind::Name:
        if (characterCount(value) > static_cast<std::size_t>(kMaxServerNameLength))
            return {Rule::TooLong, 0, kMaxServerNameLength};
        return {};
    case Kind::Address:
        // Empty leaves the choice of address to the server.
        if (!value.empty() && (value.size() > kMaxServerIpLength ||
                               CheckAllowedAddress(value) != InputRule::Ok || value.back() == '.'))
            return {Rule::NotAnAddress};
        return {};
    default:
        if (value.size() > kMaxPathLength)
            return {Rule::TooLong, 0, static_cast<std::int64_t>(kMaxPathLength)};
        return {};
    }
}

} // namespace

DesignKeyCheck SetDesignKey(ServerDesign& design, std::string_view key, std::string_view value) {
    const KeyField* field = fieldOf(key);
    if (field == nullptr)
        return {Rule::UnknownKey};
    switch (field->kind) {
    case Kind::Name:
    case Kind::Address:
    case Kind::Path:
        if (const DesignKeyCheck check = checkText(field->kind, value); check.rule != Rule::Ok)
            return check;
        design.*field->text = std::string(value);
        return {};
    case Kind::Flag:
        if (value != "0" && value != "1")
            return {Rule::NotAFlag};
        design.*field->flag = value == "1";
        return {};
    case Kind::Unsigned:
    case Kind::Count: {
        const auto number = wholeNumber(value, false);
        const bool count = field->kind == Kind::Count;
        const DesignKeyCheck check = inRange(number, Rule::NotUnsigned, count ? kMinUserCount : 0,
                                             count ? kMaxUserCount : 0xFFFFFFFFLL);
        if (check.rule == Rule::Ok)
            design.*field->number = static_cast<std::uint32_t>(*number);
        return check;
    }
    case Kind::CheckMode: {
        const auto number = wholeNumber(value, true);
        const DesignKeyCheck check = inRange(number, Rule::NotInteger, 0, kMaxIpCheckMode);
        if (check.rule == Rule::Ok)
            design.ipCheckMode = static_cast<std::int32_t>(*number);
        return check;
    }
    case Kind::Timeout: {
        const auto number = wholeNumber(value, true);
        if (number == 0) {
            design.useIdleTimeout = false;
            return {};
        }
        const DesignKeyCheck check =
            inRange(number, Rule::NotInteger, kMinIdleSeconds, kMaxIdleSeconds);
        if (check.rule == Rule::Ok) {
            design.useIdleTimeout = true;
            design.idleTimeout = static_cast<std::int32_t>(*number);
        }
        return check;
    }
    }
    return {Rule::UnknownKey};
}

std::string DesignKeyValue(const ServerDesign& design, std::string_view key) {
    const KeyField* field = fieldOf(key);
    if (field == nullptr)
        return {};
    switch (field->kind) {
    case Kind::Name:
    case Kind::Address:
    case Kind::Path:
        return design.*field->text;
    case Kind::Flag:
        return FlagDigit(design.*field->flag);
    case Kind::Unsigned:
    case Kind::Count:
        return SignedDecimal(design.*field->number);
    case Kind::CheckMode:
        return SignedDecimal(design.ipCheckMode);
    case Kind::Timeout:
        return design.useIdleTimeout ? SignedDecimal(design.idleTimeout) : "0";
    }
    return {};
}

bool SetConfigurationKeys(const std::string& configFile,
                          const std::vector<std::pair<std::string, std::string>>& values) {
    FileChange opened(configFile, IniFile::Options());
    if (!opened.exists())
        return false;
    IniFile file = IniFile::parse(opened.bytes());
    for (const auto& [key, value] : values)
        file.setValue("FTPD", key, value);
    opened.write(file.text());
    return true;
}

} // namespace vantor
