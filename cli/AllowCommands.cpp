// allow list, add, remove, check: the allowed client addresses of the
// accounts, including the entries without a user part that the server
// applies to every account.
#include "cli/Admin.h"
#include "cli/UserColumns.h"
#include "core/lines/LinePieces.h"
#include "core/users/AccountEdits.h"
#include "core/users/AllowEdits.h"
#include "core/users/AllowFile.h"

#include <CLI/CLI.hpp>

namespace vantor::admin {

namespace {

class AllowTexts {
    Q_DECLARE_TR_FUNCTIONS(AllowTexts)
public:
    static QString whose() { return tr("give --user NAME or --all"); }
    static QString present(const std::string& entry) {
        return tr("the entry %1 is there already").arg(shown(entry));
    }
    static QString absent(const std::string& entry) {
        return tr("there is no entry %1").arg(shown(entry));
    }
    static QString admitted(const std::string& name, const std::string& address,
                            const std::string& entry) {
        return tr("%1 is admitted from %2 by the entry %3")
            .arg(shown(name), shown(address), shown(entry));
    }
    static QString checkingOff(const std::string& name) {
        return tr("%1 is admitted from every address : IP checking is off for the account")
            .arg(shown(name));
    }
    static QString notAdmitted(const std::string& name, const std::string& address) {
        return tr("%1 is not admitted from %2").arg(shown(name), shown(address));
    }
};

struct Arguments {
    std::string address;
    std::string name;
    std::optional<std::string> user;
    bool all = false, json = false;
};

bool applies(const AllowedEntryParts& parts, const std::optional<std::string>& user) {
    return !user || !parts.user || *parts.user == *user;
}

void list(const Session& session, const Arguments& args) {
    const FileLines file = ReadFileLines(session.folder.chosenAllowFile());
    Json entries = Json::array();
    for (const std::string_view line : file.lines) {
        const AllowedEntryParts parts = SplitAllowedEntry(line);
        if (!applies(parts, args.user))
            continue;
        if (!args.json) {
            printLine(line);
            continue;
        }
        Json entry = Json::object();
        entry["user"] = parts.user ? Json(*parts.user) : Json(nullptr);
        entry["address"] = parts.address ? Json(*parts.address) : Json(nullptr);
        entries.push_back(std::move(entry));
    }
    if (args.json)
        printLine(JsonText(entries));
}

// The user part of the entry to add or remove: empty for every account.
std::string userPart(const Session& session, const Arguments& args, bool mustExist) {
    if (args.all == args.user.has_value())
        usageError(AllowTexts::whose());
    if (args.all)
        return {};
    if (mustExist && !FindAccount(session.folder.chosenUserFile(), *args.user))
        refuse(unknownAccountText(*args.user));
    return *args.user;
}

std::string entryText(const std::string& user, const std::string& address) {
    return user.empty() ? address : AllowedEntry(user, address);
}

void check(const Session& session, const Arguments& args) {
    const auto account = FindAccount(session.folder.chosenUserFile(), args.name);
    if (!account)
        refuse(unknownAccountText(args.name));
    const FileLines file = ReadFileLines(session.folder.chosenAllowFile());
    std::optional<std::string> admitting;
    for (const std::string_view line : file.lines) {
        const AllowedEntryParts parts = SplitAllowedEntry(line);
        if (!applies(parts, args.name) || !parts.address)
            continue;
        const bool admits = !admitting && AddressAdmits(*parts.address, args.address);
        if (admits)
            admitting = std::string(line);
        printLine(std::string(line) + (admits ? "\tadmits" : ""));
    }
    printLine("ip_check_off: " + ColumnText(*account, UserField::IpCheckOff));
    if (admitting)
        tell(AllowTexts::admitted(args.name, args.address, *admitting));
    else if (account->ipCheckOff)
        tell(AllowTexts::checkingOff(args.name));
    else
        throw Stop{kExitRefused, AllowTexts::notAdmitted(args.name, args.address)};
}

} // namespace

void addAllowCommands(CLI::App& app, Session& session) {
    CLI::App* allow =
        app.add_subcommand("allow", helpText(AllowTexts::tr("Allowed client addresses")));
    allow->require_subcommand(1);
    auto args = std::make_shared<Arguments>();
    const auto whose = [&args](CLI::App* command) {
        auto* user = command->add_option("--user", args->user,
                                         helpText(AllowTexts::tr("The entry of this account")));
        command
            ->add_flag("--all", args->all,
                       helpText(AllowTexts::tr("The entry without a user part, for every "
                                               "account")))
            ->excludes(user);
    };
    const auto address = [&args](CLI::App* command) {
        command
            ->add_option("ADDRESS", args->address,
                         helpText(AllowTexts::tr("A full address, or a prefix ending in .")))
            ->required();
    };

    CLI::App* listing =
        allow->add_subcommand("list", helpText(AllowTexts::tr("Lists the entries in file order")));
    listing->add_option("--user", args->user,
                        helpText(AllowTexts::tr("Only the entries that apply to this account")));
    listing->add_flag("--json", args->json, helpText(AllowTexts::tr("As JSON")));
    listing->callback(
        [&session, args] { session.action = [&session, args] { list(session, *args); }; });

    CLI::App* adding = allow->add_subcommand("add", helpText(AllowTexts::tr("Adds an entry")));
    address(adding);
    whose(adding);
    adding->callback([&session, args] {
        session.action = [&session, args] {
            const std::string user = userPart(session, *args, true);
            if (!AddAllowedEntry(session.folder.chosenAllowFile(), user, args->address))
                refuse(AllowTexts::present(entryText(user, args->address)));
        };
    });

    CLI::App* removing =
        allow->add_subcommand("remove", helpText(AllowTexts::tr("Removes an entry")));
    address(removing);
    whose(removing);
    removing->callback([&session, args] {
        session.action = [&session, args] {
            const std::string user = userPart(session, *args, false);
            if (!RemoveAllowedEntry(session.folder.chosenAllowFile(), user, args->address))
                refuse(AllowTexts::absent(entryText(user, args->address)));
        };
    });

    CLI::App* checking = allow->add_subcommand(
        "check", helpText(AllowTexts::tr("Tells whether an account may connect from an address; "
                                         "exit 0 when it may, 1 when not")));
    checking->add_option("NAME", args->name, helpText(AllowTexts::tr("The user name")))->required();
    checking->add_option("ADDRESS", args->address, helpText(AllowTexts::tr("The client address")))
        ->required();
    checking->callback(
        [&session, args] { session.action = [&session, args] { check(session, *args); }; });
}

} // namespace vantor::admin
