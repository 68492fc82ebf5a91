// user list, show, add, set, remove: the accounts of a *.user file, one
// command per change, each written as the account dialog writes it.
#include "cli/Admin.h"
#include "cli/UserColumns.h"
#include "core/lines/LinePieces.h"
#include "core/users/AccountEdits.h"

#include <CLI/CLI.hpp>

#include <iostream>

namespace vantor::admin {

namespace {

// The options that give the fields of an account, as texts checked as an
// import checks its cells.
struct AccountOptions {
    bool passwordStdin = false;
    std::optional<std::string> level, group, downloadLimit, uploadLimit, ratio, maxLogins, note,
        language;
    bool enabled = false, disabled = false, ipCheck = false, noIpCheck = false;
};

struct TextOption {
    const char* name;
    std::optional<std::string> AccountOptions::*value;
    UserField field;
};
constexpr TextOption kTextOptions[] = {
    {"--level", &AccountOptions::level, UserField::Level},
    {"--group", &AccountOptions::group, UserField::Group},
    {"--download-limit", &AccountOptions::downloadLimit, UserField::DownloadLimit},
    {"--upload-limit", &AccountOptions::uploadLimit, UserField::UploadLimit},
    {"--ratio", &AccountOptions::ratio, UserField::Ratio},
    {"--max-logins", &AccountOptions::maxLogins, UserField::MaxLogins},
    {"--note", &AccountOptions::note, UserField::Note},
    {"--language", &AccountOptions::language, UserField::Language},
};

class UserTexts {
    Q_DECLARE_TR_FUNCTIONS(UserTexts)
public:
    static void describe(CLI::App* command, AccountOptions& o) {
        command->add_flag("--password-stdin", o.passwordStdin,
                          helpText(tr("Reads the password from one line of standard input")));
        const QString help[] = {
            tr("The level: root, super, normal or guest"),
            tr("The group"),
            tr("The download speed limit in kb/s, 0 for none"),
            tr("The upload speed limit in kb/s, 0 for none"),
            tr("N of the ratio 1:N, 0 for none"),
            tr("The most logins at once, 0 for no limit"),
            tr("A note"),
            tr("The language: default, eng, cht or jpn"),
        };
        for (std::size_t i = 0; i < std::size(kTextOptions); ++i)
            command->add_option(kTextOptions[i].name, o.*kTextOptions[i].value, helpText(help[i]));
        auto* enabled =
            command->add_flag("--enabled", o.enabled, helpText(tr("Allows the account")));
        command->add_flag("--disabled", o.disabled, helpText(tr("Disallows the account")))
            ->excludes(enabled);
        auto* ipCheck = command->add_flag("--ip-check", o.ipCheck,
                                          helpText(tr("Checks the account's client address")));
        command
            ->add_flag("--no-ip-check", o.noIpCheck,
                       helpText(tr("Does not check the account's client address")))
            ->excludes(ipCheck);
    }

    static QString noPassword() { return tr("no password on standard input"); }
    static QString nothingToChange() {
        return tr("nothing to change: give at least one field option");
    }
    static QString exists(const std::string& name) {
        return tr("an account named %1 exists already").arg(shown(name));
    }
};

void take(UserField field, std::string_view text, const char* option, AccountFields& fields) {
    if (const auto refused = TakeColumn(field, text, fields))
        refuse(fieldRefusedText(QLatin1String(option), *refused));
}

// The password is never an argument, where any user's `ps` would show it.
std::string passwordFromInput() {
    std::string password;
    if (!std::getline(std::cin, password) && password.empty())
        refuse(UserTexts::noPassword());
    if (!password.empty() && password.back() == '\r')
        password.pop_back();
    return password;
}

AccountFields takeOptions(const AccountOptions& o) {
    AccountFields fields;
    if (o.passwordStdin)
        take(UserField::Password, passwordFromInput(), "--password-stdin", fields);
    for (const TextOption& option : kTextOptions)
        if (const auto& value = o.*option.value)
            take(option.field, *value, option.name, fields);
    if (o.enabled || o.disabled)
        take(UserField::Enabled, o.enabled ? "1" : "0", "--enabled", fields);
    if (o.ipCheck || o.noIpCheck)
        take(UserField::IpCheckOff, o.noIpCheck ? "1" : "0", "--no-ip-check", fields);
    return fields;
}

void list(const Session& session, const std::optional<std::string>& group, bool json,
          bool withPassword) {
    const FileLines file = ReadFileLines(session.folder.chosenUserFile());
    bool first = true;
    if (json)
        print("[");
    for (const std::string_view line : file.lines) {
        UserLine account;
        ParseUserLine(line, account);
        if (group && account.group != *group)
            continue;
        if (!json) {
            printLine(account.name);
            continue;
        }
        print(first ? "\n" : ",\n");
        print(JsonText(AccountJson(account, withPassword)));
        first = false;
    }
    if (json)
        print(first ? "]\n" : "\n]\n");
}

void show(const Session& session, const std::string& name, bool json, bool withPassword) {
    const auto account = FindAccount(session.folder.chosenUserFile(), name);
    if (!account)
        refuse(unknownAccountText(name));
    if (json) {
        printLine(JsonText(AccountJson(*account, withPassword)));
        return;
    }
    for (std::size_t i = 0; i < kUserFields.size(); ++i) {
        const auto field = static_cast<UserField>(i);
        if (field != UserField::Password || withPassword)
            printLine(std::string(kUserFields[i].column) + ": " + ColumnText(*account, field));
    }
}

} // namespace

void addUserCommands(CLI::App& app, Session& session) {
    CLI::App* users = app.add_subcommand("user", helpText(UserTexts::tr("Accounts")));
    users->require_subcommand(1);

    struct Arguments {
        std::string name;
        std::optional<std::string> group;
        bool json = false, showPassword = false, withAddresses = false;
        AccountOptions options;
    };
    auto args = std::make_shared<Arguments>();

    CLI::App* listing =
        users->add_subcommand("list", helpText(UserTexts::tr("Lists the names in file order")));
    listing->add_option("--group", args->group, helpText(UserTexts::tr("Only this group")));
    listing->add_flag("--json", args->json, helpText(UserTexts::tr("Every field, as JSON")));
    listing->add_flag("--show-password", args->showPassword,
                      helpText(UserTexts::tr("With the password")));
    listing->callback([&session, args] {
        session.action = [&session, args] {
            list(session, args->group, args->json, args->showPassword);
        };
    });

    CLI::App* showing = users->add_subcommand("show", helpText(UserTexts::tr("Shows an account")));
    showing->add_option("NAME", args->name, helpText(UserTexts::tr("The user name")))->required();
    showing->add_flag("--json", args->json, helpText(UserTexts::tr("As JSON")));
    showing->add_flag("--show-password", args->showPassword,
                      helpText(UserTexts::tr("With the password")));
    showing->callback([&session, args] {
        session.action = [&session, args] {
            show(session, args->name, args->json, args->showPassword);
        };
    });

    CLI::App* adding = users->add_subcommand(
        "add", helpText(UserTexts::tr("Adds an account with the values of a new account")));
    adding->add_option("NAME", args->name, helpText(UserTexts::tr("The user name")))->required();
    UserTexts::describe(adding, args->options);
    adding->callback([&session, args] {
        session.action = [&session, args] {
            const AccountFields fields = takeOptions(args->options);
            UserLine account = NewUserLine(args->name);
            ApplyAccountFields(fields, account);
            if (!AddAccount(session.folder.chosenUserFile(), account))
                refuse(UserTexts::exists(args->name));
        };
    });

    CLI::App* setting = users->add_subcommand(
        "set", helpText(UserTexts::tr("Changes the given fields of an account")));
    setting->add_option("NAME", args->name, helpText(UserTexts::tr("The user name")))->required();
    UserTexts::describe(setting, args->options);
    setting->callback([&session, args] {
        session.action = [&session, args] {
            const AccountFields fields = takeOptions(args->options);
            if (fields.given.none())
                usageError(UserTexts::nothingToChange());
            if (!ChangeAccount(session.folder.chosenUserFile(), args->name, fields))
                refuse(unknownAccountText(args->name));
        };
    });

    CLI::App* removing =
        users->add_subcommand("remove", helpText(UserTexts::tr("Removes an account")));
    removing->add_option("NAME", args->name, helpText(UserTexts::tr("The user name")))->required();
    removing->add_flag("--with-addresses", args->withAddresses,
                       helpText(UserTexts::tr("Also removes the account's allowed addresses")));
    removing->callback([&session, args] {
        session.action = [&session, args] {
            const std::optional<std::string> allowFile =
                args->withAddresses ? std::optional(session.folder.chosenAllowFile())
                                    : std::nullopt;
            if (!RemoveAccount(session.folder.chosenUserFile(), args->name, allowFile))
                refuse(unknownAccountText(args->name));
        };
    });

    addUserBulkCommands(*users, session);
}

} // namespace vantor::admin
