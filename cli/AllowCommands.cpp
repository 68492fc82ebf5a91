// allow list, add, remove, check: the allowed client addresses of the
// accounts, including the entries without a user part that the server
// applies to every account.
#include "cli/Rows.h"
#include "cli/UserColumns.h"
#include "cli/Verbs.h"
#include "core/lines/LinePieces.h"
#include "core/users/AccountEdits.h"
#include "core/users/AllowEdits.h"
#include "core/users/AllowFile.h"
#include "core/users/Validation.h"

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
    static QString notAClient(const std::string& address) {
        return tr("%1 is not a client address such as 192.168.1.10").arg(shown(address));
    }
};

bool applies(const AllowedEntryParts& parts, const std::optional<std::string>& user) {
    return !user || !parts.user || *parts.user == *user;
}

void needAccount(const Command& command, const std::string& name) {
    if (!FindAccount(command.folder.chosenUserFile(), name))
        refuse(unknownAccountText(name));
}

void list(const Command& command) {
    const auto user = command.value("--user");
    if (user)
        needAccount(command, *user);
    const FileLines file = ReadFileLines(command.folder.chosenAllowFile());
    RowPrinter printer(command.given("--json"), RowPrinter::Form::Lines);
    for (const std::string_view line : file.lines) {
        const AllowedEntryParts parts = SplitAllowedEntry(line);
        if (!applies(parts, user))
            continue;
        const auto cell = [](const std::optional<std::string>& part) {
            return part ? CellValue(std::string_view(*part)) : CellValue(nullptr);
        };
        const Cell cells[] = {{"user", cell(parts.user)}, {"address", cell(parts.address)}};
        printer.row(cells, line);
    }
    printer.finish();
}

// The user part of the entry to add or remove: empty for every account.
std::string userPart(const Command& command, bool mustExist) {
    const auto user = command.value("--user");
    if (command.given("--all") == user.has_value())
        usageError(AllowTexts::whose());
    if (!user)
        return {};
    if (mustExist)
        needAccount(command, *user);
    return *user;
}

std::string entryText(const std::string& user, const std::string& address) {
    return user.empty() ? address : AllowedEntry(user, address);
}

void add(const Command& command) {
    const std::string user = userPart(command, true);
    const std::string& address = command.argument("ADDRESS");
    if (!AddAllowedEntry(command.folder.chosenAllowFile(FileUse::Create), user, address,
                         command.folder.consent()))
        refuse(AllowTexts::present(entryText(user, address)));
}

void remove(const Command& command) {
    const std::string user = userPart(command, false);
    const std::string& address = command.argument("ADDRESS");
    if (!RemoveAllowedEntry(command.folder.chosenAllowFile(), user, address,
                            command.folder.consent()))
        refuse(AllowTexts::absent(entryText(user, address)));
}

void check(const Command& command) {
    const std::string& name = command.argument("NAME");
    const std::string& address = command.argument("ADDRESS");
    // A client connects from one full address; anything else is a mistake
    // in the command, not an answer.
    if (CheckAllowedAddress(address) != InputRule::Ok || address.ends_with('.'))
        usageError(AllowTexts::notAClient(address));
    const auto account = FindAccount(command.folder.chosenUserFile(), name);
    if (!account)
        refuse(unknownAccountText(name));
    const FileLines file = ReadFileLines(command.folder.chosenAllowFile());
    std::optional<std::string> admitting;
    for (const std::string_view line : file.lines) {
        const AllowedEntryParts parts = SplitAllowedEntry(line);
        if (!applies(parts, name) || !parts.address)
            continue;
        const bool admits = !admitting && AddressAdmits(*parts.address, address);
        if (admits)
            admitting = std::string(line);
        printLine(std::string(line) + (admits ? "\tadmits" : ""));
    }
    printLine("ip_check_off: " + ColumnText(*account, UserField::IpCheckOff));
    if (admitting)
        tell(AllowTexts::admitted(name, address, *admitting));
    else if (account->ipCheckOff)
        tell(AllowTexts::checkingOff(name));
    else
        refuse(AllowTexts::notAdmitted(name, address));
}

} // namespace

std::vector<Verb> AllowVerbs() {
    const OptionEntry address{"ADDRESS", OptionKind::Argument,
                              QT_TRANSLATE_NOOP("Verbs", "A full address, or a prefix ending in ."),
                              "ADDRESS", true};
    const OptionEntry user{"--user", OptionKind::Value,
                           QT_TRANSLATE_NOOP("Verbs", "The entry of this account"), "NAME"};
    const OptionEntry all{"--all",
                          OptionKind::Flag,
                          QT_TRANSLATE_NOOP("Verbs", "The entry without a user part, for every "
                                                     "account"),
                          {},
                          false,
                          "--user"};
    return {
        {"allow",
         "list",
         QT_TRANSLATE_NOOP("Verbs", "Lists the entries in file order"),
         {{"--user", OptionKind::Value,
           QT_TRANSLATE_NOOP("Verbs", "Only the entries that apply to this account"), "NAME"},
          {"--json", OptionKind::Flag, QT_TRANSLATE_NOOP("Verbs", "As JSON")}},
         list},
        {"allow", "add", QT_TRANSLATE_NOOP("Verbs", "Adds an entry"), {address, user, all}, add},
        {"allow",
         "remove",
         QT_TRANSLATE_NOOP("Verbs", "Removes an entry"),
         {address, user, all},
         remove},
        {"allow",
         "check",
         QT_TRANSLATE_NOOP("Verbs", "Tells whether an account may connect from an address; exit "
                                    "0 when it may, 1 when not"),
         {{"NAME", OptionKind::Argument, QT_TRANSLATE_NOOP("Verbs", "The user name"), "NAME", true},
          {"ADDRESS", OptionKind::Argument, QT_TRANSLATE_NOOP("Verbs", "The client address"),
           "ADDRESS", true}},
         check},
    };
}

} // namespace vantor::admin
