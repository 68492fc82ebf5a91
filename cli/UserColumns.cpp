#include "cli/UserColumns.h"

#include "cli/Admin.h"
#include "core/users/Validation.h"
#include "texts/RuleTexts.h"
#include "texts/Strings.h"

#include <QCoreApplication>

#include <algorithm>
#include <charconv>

namespace vantor::admin {

namespace {

class ColumnTexts {
    Q_DECLARE_TR_FUNCTIONS(ColumnTexts)
public:
    static QString level() { return tr("the level must be root, super, normal, guest or empty"); }
    static QString language() { return tr("the language must be default, eng, cht, jpn or empty"); }
};

bool isFlag(UserField field) {
    return field == UserField::Enabled || field == UserField::IpCheckOff;
}

std::uint32_t UserLine::*numberMember(UserField field) {
    switch (field) {
    case UserField::DownloadLimit:
        return &UserLine::downloadLimit;
    case UserField::UploadLimit:
        return &UserLine::uploadLimit;
    case UserField::Ratio:
        return &UserLine::ratio;
    case UserField::MaxLogins:
        return &UserLine::maxLogins;
    case UserField::Downloaded:
        return &UserLine::downloaded;
    case UserField::Uploaded:
        return &UserLine::uploaded;
    default:
        return nullptr;
    }
}

std::string UserLine::*textMember(UserField field) {
    switch (field) {
    case UserField::Name:
        return &UserLine::name;
    case UserField::Password:
        return &UserLine::password;
    case UserField::Group:
        return &UserLine::group;
    case UserField::Note:
        return &UserLine::note;
    case UserField::Language:
        return &UserLine::language;
    default:
        return nullptr;
    }
}

bool UserLine::*flagMember(UserField field) {
    return field == UserField::Enabled ? &UserLine::accountAllowed : &UserLine::ipCheckOff;
}

std::string levelText(int level) {
    if (level == kNoLevel)
        return {};
    if (const auto name = LevelName(level))
        return std::string(*name);
    return std::to_string(level);
}

} // namespace

std::optional<UserField> UserColumn(std::string_view name) {
    const auto found = std::find(kUserColumns.begin(), kUserColumns.end(), name);
    if (found == kUserColumns.end())
        return std::nullopt;
    return static_cast<UserField>(found - kUserColumns.begin());
}

std::string_view ColumnName(UserField field) {
    return kUserColumns[static_cast<std::size_t>(field)];
}

std::string ColumnText(const UserLine& account, UserField field) {
    if (field == UserField::Level)
        return levelText(account.level);
    if (isFlag(field))
        return account.*flagMember(field) ? "1" : "0";
    if (const auto number = numberMember(field))
        return std::to_string(account.*number);
    return account.*textMember(field);
}

Json AccountJson(const UserLine& account, bool withPassword) {
    Json object = Json::object();
    for (std::size_t i = 0; i < kUserColumns.size(); ++i) {
        const auto field = static_cast<UserField>(i);
        if (field == UserField::Password && !withPassword)
            continue;
        Json& value = object[std::string(kUserColumns[i])];
        if (isFlag(field))
            value = account.*flagMember(field);
        else if (const auto number = numberMember(field))
            value = account.*number;
        else
            value = ColumnText(account, field);
    }
    return object;
}

std::string JsonText(const Json& value) {
    return value.dump(-1, ' ', false, Json::error_handler_t::replace);
}

std::optional<QString> TakeColumn(UserField field, std::string_view text, AccountFields& fields) {
    UserLine& values = fields.values;
    if (field == UserField::Level) {
        const auto level = text.empty() ? std::optional<int>(kNoLevel) : LevelNumber(text);
        if (!level)
            return ColumnTexts::level();
        values.level = *level;
    } else if (isFlag(field)) {
        if (text != "1" && text != "0")
            return flagText();
        values.*flagMember(field) = text == "1";
    } else if (const auto number = numberMember(field)) {
        std::uint32_t value = 0;
        const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
        if (text.empty() || error != std::errc() || end != text.data() + text.size())
            return loadString(Str::EnterUnsigned);
        values.*number = value;
    } else {
        const InputRule rule =
            field == UserField::Name ? CheckUserName(text) : CheckUserTextField(text);
        if (rule != InputRule::Ok)
            return inputRuleText(rule);
        if (field == UserField::Language && !text.empty() && !LanguageDisplayName(text))
            return ColumnTexts::language();
        values.*textMember(field) = std::string(text);
    }
    fields.give(field);
    return std::nullopt;
}

} // namespace vantor::admin
