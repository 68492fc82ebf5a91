#include "cli/UserColumns.h"

#include "cli/Admin.h"
#include "core/users/Validation.h"

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

std::string levelText(int level) {
    if (level == kNoLevel)
        return {};
    if (const auto name = LevelName(level))
        return std::string(*name);
    return std::to_string(level);
}

} // namespace

std::optional<UserField> UserColumn(std::string_view name) {
    return UserFieldNamed(name);
}

std::string_view ColumnName(UserField field) {
    return FieldInfo(field).column;
}

std::string ColumnText(const UserLine& account, UserField field) {
    const UserFieldInfo& info = FieldInfo(field);
    switch (info.kind) {
    case UserFieldKind::Level:
        return levelText(account.level);
    case UserFieldKind::Flag:
        return account.*info.flag ? "1" : "0";
    case UserFieldKind::SignedNumber:
    case UserFieldKind::Counter:
        return std::to_string(account.*info.number);
    case UserFieldKind::Text:
        break;
    }
    return account.*info.text;
}

std::vector<Cell> AccountCells(const UserLine& account, bool withPassword, std::string& level) {
    std::vector<Cell> cells;
    cells.reserve(kUserFields.size());
    for (const UserFieldInfo& info : kUserFields) {
        if (info.field == UserField::Password && !withPassword)
            continue;
        CellValue value;
        if (info.flag != nullptr)
            value = account.*info.flag;
        else if (info.number != nullptr)
            value = std::int64_t{account.*info.number};
        else if (info.text != nullptr)
            value = std::string_view(account.*info.text);
        else
            value = std::string_view(level = levelText(account.level));
        cells.push_back({info.column, value});
    }
    return cells;
}

std::string FieldOption(UserField field) {
    switch (field) {
    case UserField::Enabled:
        return "--enabled";
    case UserField::IpCheckOff:
        return "--no-ip-check";
    default:
        break;
    }
    std::string option = "--" + std::string(ColumnName(field));
    std::replace(option.begin(), option.end(), '_', '-');
    return option;
}

std::string FieldClearOption(UserField field) {
    return field == UserField::Enabled ? "--disabled" : "--ip-check";
}

std::optional<QString> TakeColumn(UserField field, std::string_view text, AccountFields& fields) {
    UserLine& values = fields.values;
    const UserFieldInfo& info = FieldInfo(field);
    switch (info.kind) {
    case UserFieldKind::Level: {
        const auto level = text.empty() ? std::optional<int>(kNoLevel) : LevelNumber(text);
        if (!level)
            return ColumnTexts::level();
        values.level = *level;
        break;
    }
    case UserFieldKind::Flag:
        if (text != "1" && text != "0")
            return flagText();
        values.*info.flag = text == "1";
        break;
    case UserFieldKind::SignedNumber:
    case UserFieldKind::Counter: {
        std::uint32_t value = 0;
        const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
        if (text.empty() || error != std::errc() || end != text.data() + text.size())
            return wholeNumberText();
        values.*info.number = value;
        break;
    }
    case UserFieldKind::Text: {
        const InputRule rule =
            field == UserField::Name ? CheckUserName(text) : CheckUserTextField(text);
        if (rule != InputRule::Ok)
            return ruleText(rule);
        if (field == UserField::Language && !text.empty() && !LanguageDisplayName(text))
            return ColumnTexts::language();
        values.*info.text = std::string(text);
        break;
    }
    }
    fields.give(field);
    return std::nullopt;
}

} // namespace vantor::admin
