// user list, show, add, set, passwd, remove: the accounts of a *.user file,
// one command per change, each written as the account dialog writes it.
#include "cli/Password.h"
#include "cli/UserColumns.h"
#include "cli/Verbs.h"
#include "core/lines/LinePieces.h"
#include "core/users/AccountEdits.h"

namespace vantor::admin {

namespace {

class UserTexts {
    Q_DECLARE_TR_FUNCTIONS(UserTexts)
public:
    static QString nothingToChange() {
        return tr("nothing to change: give at least one field option");
    }
    static QString exists(const std::string& name) {
        return tr("an account named %1 exists already").arg(shown(name));
    }
};

// The help of a field's option; none for the fields no option sets.
const char* fieldHelp(UserField field) {
    switch (field) {
    case UserField::Level:
        return QT_TRANSLATE_NOOP("Verbs", "The level: root, super, normal or guest");
    case UserField::Group:
        return QT_TRANSLATE_NOOP("Verbs", "The group");
    case UserField::Enabled:
        return QT_TRANSLATE_NOOP("Verbs", "Allows the account");
    case UserField::DownloadLimit:
        return QT_TRANSLATE_NOOP("Verbs", "The download speed limit in kb/s, 0 for none");
    case UserField::UploadLimit:
        return QT_TRANSLATE_NOOP("Verbs", "The upload speed limit in kb/s, 0 for none");
    case UserField::Ratio:
        return QT_TRANSLATE_NOOP("Verbs", "N of the ratio 1:N, 0 for none");
    case UserField::MaxLogins:
        return QT_TRANSLATE_NOOP("Verbs", "The most logins at once, 0 for no limit");
    case UserField::IpCheckOff:
        return QT_TRANSLATE_NOOP("Verbs", "Does not check the account's client address");
    case UserField::Note:
        return QT_TRANSLATE_NOOP("Verbs", "A note");
    case UserField::Language:
        return QT_TRANSLATE_NOOP("Verbs", "The language: default, eng, cht or jpn");
    default:
        return nullptr;
    }
}

const char* clearHelp(UserField field) {
    return field == UserField::Enabled
               ? QT_TRANSLATE_NOOP("Verbs", "Disallows the account")
               : QT_TRANSLATE_NOOP("Verbs", "Checks the account's client address");
}

const OptionEntry kPasswordStdin{
    "--password-stdin", OptionKind::Flag,
    QT_TRANSLATE_NOOP("Verbs", "Reads the password from standard input: asked for with the echo "
                               "off on a terminal, else one line")};
const OptionEntry kName{"NAME", OptionKind::Argument, QT_TRANSLATE_NOOP("Verbs", "The user name"),
                        "NAME", true};
const OptionEntry kShowPassword{"--show-password", OptionKind::Flag,
                                QT_TRANSLATE_NOOP("Verbs", "With the password")};

// The options of `user add` and `user set`, one per field the account
// dialog lets a user change, named after the field's column.
std::vector<OptionEntry> fieldOptions() {
    std::vector<OptionEntry> options{kName, kPasswordStdin};
    for (const UserFieldInfo& info : kUserFields) {
        const char* help = fieldHelp(info.field);
        if (help == nullptr)
            continue;
        const std::string option = FieldOption(info.field);
        if (info.kind == UserFieldKind::Flag) {
            options.push_back({option, OptionKind::Flag, help});
            options.push_back({FieldClearOption(info.field),
                               OptionKind::Flag,
                               clearHelp(info.field),
                               {},
                               false,
                               option});
            continue;
        }
        const bool number =
            info.kind == UserFieldKind::SignedNumber || info.kind == UserFieldKind::Counter;
        options.push_back({option, OptionKind::Value, help, number ? "NUMBER" : ""});
    }
    return options;
}

void take(UserField field, std::string_view text, const std::string& option,
          AccountFields& fields) {
    if (const auto refused = TakeColumn(field, text, fields))
        refuse(fieldRefusedText(shown(option), *refused));
}

AccountFields takeOptions(const Command& command) {
    AccountFields fields;
    if (command.given(kPasswordStdin.name))
        take(UserField::Password, ReadPassword(false), kPasswordStdin.name, fields);
    for (const UserFieldInfo& info : kUserFields) {
        if (fieldHelp(info.field) == nullptr)
            continue;
        const std::string option = FieldOption(info.field);
        if (info.kind == UserFieldKind::Flag) {
            if (command.given(option) || command.given(FieldClearOption(info.field)))
                take(info.field, command.given(option) ? "1" : "0", option, fields);
        } else if (const auto value = command.value(option)) {
            take(info.field, *value, option, fields);
        }
    }
    return fields;
}

void list(const Command& command) {
    const FileLines file = ReadFileLines(command.folder.chosenUserFile());
    const auto group = command.value("--group");
    const bool withPassword = command.given(kShowPassword.name);
    RowPrinter printer(command.given("--json"), RowPrinter::Form::Lines);
    std::string level;
    UserLine account;
    for (const std::string_view line : file.lines) {
        account = UserLine{};
        ParseUserLine(line, account);
        if (group && account.group != *group)
            continue;
        if (printer.json())
            printer.row(AccountCells(account, withPassword, level));
        else
            printer.row({}, account.name);
    }
    printer.finish();
}

void show(const Command& command) {
    const std::string& name = command.argument("NAME");
    const auto account = FindAccount(command.folder.chosenUserFile(), name);
    if (!account)
        refuse(unknownAccountText(name));
    RowPrinter printer(command.given("--json") ? RowPrinter::Form::JsonOne
                                               : RowPrinter::Form::Fields);
    std::string level;
    printer.row(AccountCells(*account, command.given(kShowPassword.name), level));
    printer.finish();
}

void add(const Command& command) {
    const AccountFields fields = takeOptions(command);
    const std::string& name = command.argument("NAME");
    UserLine account = NewUserLine(name);
    ApplyAccountFields(fields, account);
    if (!AddAccount(command.folder.chosenUserFile(FileUse::Create), account,
                    command.folder.consent()))
        refuse(UserTexts::exists(name));
}

void change(const Command& command, const AccountFields& fields) {
    const std::string& name = command.argument("NAME");
    if (!ChangeAccount(command.folder.chosenUserFile(), name, fields, command.folder.consent()))
        refuse(unknownAccountText(name));
}

void set(const Command& command) {
    const AccountFields fields = takeOptions(command);
    if (fields.given.none())
        usageError(UserTexts::nothingToChange());
    change(command, fields);
}

void passwd(const Command& command) {
    // The account must exist before anybody types a password for it.
    const std::string& name = command.argument("NAME");
    if (!FindAccount(command.folder.chosenUserFile(), name))
        refuse(unknownAccountText(name));
    AccountFields fields;
    take(UserField::Password, ReadPassword(true), "NAME", fields);
    change(command, fields);
}

void remove(const Command& command) {
    const std::string& name = command.argument("NAME");
    const std::optional<std::string> allowFile =
        command.given("--with-addresses") ? std::optional(command.folder.chosenAllowFile())
                                          : std::nullopt;
    if (!RemoveAccount(command.folder.chosenUserFile(), name, allowFile, command.folder.consent()))
        refuse(unknownAccountText(name));
}

} // namespace

std::vector<Verb> UserVerbs() {
    const OptionEntry json{"--json", OptionKind::Flag,
                           QT_TRANSLATE_NOOP("Verbs", "Every field, as JSON")};
    return {
        {"user",
         "list",
         QT_TRANSLATE_NOOP("Verbs", "Lists the names in file order"),
         {{"--group", OptionKind::Value, QT_TRANSLATE_NOOP("Verbs", "Only this group")},
          json,
          kShowPassword},
         list},
        {"user",
         "show",
         QT_TRANSLATE_NOOP("Verbs", "Shows an account"),
         {kName, json, kShowPassword},
         show},
        {"user", "add",
         QT_TRANSLATE_NOOP("Verbs", "Adds an account with the values of a new account"),
         fieldOptions(), add},
        {"user", "set", QT_TRANSLATE_NOOP("Verbs", "Changes the given fields of an account"),
         fieldOptions(), set},
        {"user",
         "passwd",
         QT_TRANSLATE_NOOP("Verbs", "Sets an account's password: asked for twice with the echo "
                                    "off on a terminal, else one line of standard input"),
         {kName},
         passwd},
        {"user",
         "remove",
         QT_TRANSLATE_NOOP("Verbs", "Removes an account"),
         {kName,
          {"--with-addresses", OptionKind::Flag,
           QT_TRANSLATE_NOOP("Verbs", "Also removes the account's allowed addresses")}},
         remove},
    };
}

} // namespace vantor::admin
