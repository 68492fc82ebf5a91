// vfs list, add, set, remove: the mount points of a *.vfs file under the
// rules of the mount point editor.
#include "cli/Rows.h"
#include "cli/Verbs.h"
#include "core/lines/LinePieces.h"
#include "core/users/UserFile.h"
#include "core/vfs/MountFields.h"
#include "core/vfs/MountPointEdits.h"
#include "texts/RuleTexts.h"
#include "texts/Strings.h"

#include <unordered_set>

namespace vantor::admin {

namespace {

class VfsTexts {
    Q_DECLARE_TR_FUNCTIONS(VfsTexts)
public:
    static QString permissions() {
        return tr("the permissions must be three digits 0 to 7 , such as 754");
    }
    static QString noGroup(const std::string& name) {
        return tr("no account is in the group %1").arg(shown(name));
    }
    static QString unknown(const std::string& path) {
        return tr("no mount point has the virtual path %1").arg(shown(path));
    }
    static QString nothingToChange() { return tr("nothing to change: give at least one option"); }
    static QString exists() { return tr("another mount point has this virtual path already"); }
};

// The options of an add or a change, as given.
struct Arguments {
    std::optional<std::string> owner, group, permissions, newPhysical, newVirtual;
    bool inherit = false, noInherit = false;

    explicit Arguments(const Command& command)
        : owner(command.value("--owner")), group(command.value("--group")),
          permissions(command.value("--perms")), newPhysical(command.value("--physical")),
          newVirtual(command.value("--virtual")), inherit(command.given("--inherit")),
          noInherit(command.given("--no-inherit")) {}
};

// The names the owner and group of a mount point may take, besides "default".
struct Names {
    std::unordered_set<std::string> users, groups;
};

Names namesOf(const Command& command) {
    TextLineList lines;
    LoadUserLineList(command.folder.chosenUserFile(), lines);
    Names names;
    for (const std::string_view line : lines) {
        UserLine account;
        ParseUserLine(line, account);
        names.users.insert(account.name);
        names.groups.insert(account.group);
    }
    return names;
}

// A name given for the owner or group: "default", or one an account has.
std::string givenName(const std::string& name, const std::unordered_set<std::string>& known,
                      bool isGroup) {
    if (const MountPointRule rule = CheckMountPointName(name); rule != MountPointRule::Ok)
        refuse(mountPointRuleText(rule));
    if (name != kDefaultOwnerName && !known.contains(name))
        refuse(isGroup ? VfsTexts::noGroup(name) : unknownAccountText(name));
    return name;
}

// The options of a command, checked before the file is locked: the
// permission field, and the owner and group against the accounts.
struct Change {
    std::optional<std::string> owner, group;
};

Change checkedChange(const Command& command, const Arguments& args) {
    if (const auto& field = args.permissions;
        field && (field->size() != 3 || field->find_first_not_of("01234567") != std::string::npos))
        refuse(VfsTexts::permissions());
    Change change;
    if (!args.owner && !args.group)
        return change;
    const Names names = namesOf(command);
    if (args.owner)
        change.owner = givenName(*args.owner, names.users, false);
    if (args.group)
        change.group = givenName(*args.group, names.groups, true);
    return change;
}

void apply(const Arguments& args, const Change& change, MountPoint& mount) {
    if (args.permissions)
        DecodePermissions(*args.permissions, mount.rights);
    if (args.inherit || args.noInherit)
        mount.inherit = args.inherit;
    // The server does not run in this folder: a relative path would name
    // another directory there.
    if (args.newPhysical)
        mount.physicalPath = absolutePath(*args.newPhysical);
    if (args.newVirtual)
        mount.virtualPath = *args.newVirtual;
    if (change.owner)
        mount.owner = *change.owner;
    if (change.group)
        mount.group = *change.group;
}

// A new mount point without an owner or group gets "default", with the
// editor's warning.
void putInDefaults(MountPoint& mount) {
    for (auto [name, warning] :
         {std::pair{&mount.owner, Str::OwnerEmpty}, std::pair{&mount.group, Str::GroupEmpty}}) {
        MountNameChoice choice = MountNameOrDefault(*name);
        if (choice.defaulted)
            tell(loadString(warning));
        *name = std::move(choice.name);
    }
}

// The outcome of an edit, as the editor words its refusals.
void settle(const MountEdit& edit, const std::string& virtualPath) {
    using Outcome = MountEdit::Outcome;
    switch (edit.outcome) {
    case Outcome::Done:
        return;
    case Outcome::VirtualPathUnknown:
        refuse(VfsTexts::unknown(virtualPath));
    case Outcome::VirtualPathExists:
        refuse(VfsTexts::exists());
    case Outcome::RootDeleteRefused:
        refuse(loadString(Str::RootDeleteRefused));
    case Outcome::RootRenameRefused:
        refuse(loadString(Str::RootRenameRefused));
    case Outcome::Refused:
        refuse(mountPointRuleText(edit.rule));
    }
}

void list(const Command& command) {
    const auto vfsFile = command.folder.chosenVfsFile();
    const FileLines file = ReadFileLines(vfsFile.value_or(std::string()));
    RowPrinter printer(command.given("--json"), RowPrinter::Form::Lines);
    std::vector<std::string> texts(kMountFields.size());
    std::vector<Cell> cells(kMountFields.size());
    for (const std::string_view line : file.lines) {
        if (printer.json()) {
            for (const MountFieldInfo& info : kMountFields) {
                auto& text = texts[static_cast<std::size_t>(info.field)];
                text = MountFieldText(line, info.field).value_or(std::string());
                CellValue value = std::string_view(text);
                if (info.kind == MountFieldKind::Inherit)
                    value = text != "n";
                cells[static_cast<std::size_t>(info.field)] = {info.column, value};
            }
        }
        printer.row(cells, line);
    }
    printer.finish();
}

void add(const Command& command) {
    const Arguments args(command);
    const std::string vfsFile = command.folder.vfsFileToWrite(FileUse::Create);
    const Change change = checkedChange(command, args);
    MountPoint mount;
    const std::string& virtualPath = command.argument("VIRTUAL");
    mount.physicalPath = absolutePath(command.argument("PHYSICAL"));
    mount.virtualPath = virtualPath;
    DecodePermissions("754", mount.rights);
    mount.inherit = true;
    apply(args, change, mount);
    // The editor warns of a missing owner only once the paths pass.
    if (const auto fault = CheckMountPointPaths(mount.physicalPath, mount.virtualPath))
        refuse(mountPointRuleText(fault->rule));
    putInDefaults(mount);
    settle(AddMountPoint(vfsFile, mount, command.folder.consent()), virtualPath);
}

void set(const Command& command) {
    const Arguments a(command);
    if (!a.owner && !a.group && !a.permissions && !a.newPhysical && !a.newVirtual && !a.inherit &&
        !a.noInherit)
        usageError(VfsTexts::nothingToChange());
    const std::string vfsFile = command.folder.vfsFileToWrite();
    const Change change = checkedChange(command, a);
    const std::string& virtualPath = command.argument("VIRTUAL");
    settle(ChangeMountPoint(
               vfsFile, virtualPath, [&](MountPoint& mount) { apply(a, change, mount); },
               command.folder.consent()),
           virtualPath);
}

void remove(const Command& command) {
    const std::string& virtualPath = command.argument("VIRTUAL");
    settle(RemoveMountPoint(command.folder.vfsFileToWrite(), virtualPath, command.folder.consent()),
           virtualPath);
}

} // namespace

std::vector<Verb> VfsVerbs() {
    const std::vector<OptionEntry> rights{
        {"--owner", OptionKind::Value, QT_TRANSLATE_NOOP("Verbs", "The owner user, or default"),
         "NAME"},
        {"--group", OptionKind::Value, QT_TRANSLATE_NOOP("Verbs", "The owner group, or default"),
         "NAME"},
        {"--perms", OptionKind::Value,
         QT_TRANSLATE_NOOP("Verbs", "Owner, group and other rights, R 4 + W 2 + X 1 each "
                                    "(default for a new one: 754)"),
         "NUMBER"},
        {"--inherit", OptionKind::Flag,
         QT_TRANSLATE_NOOP("Verbs", "Directories below take the rights (default for a new one)")},
        {"--no-inherit",
         OptionKind::Flag,
         QT_TRANSLATE_NOOP("Verbs", "Directories below do not take the rights"),
         {},
         false,
         "--inherit"},
    };
    const OptionEntry virtualPath{"VIRTUAL", OptionKind::Argument,
                                  QT_TRANSLATE_NOOP("Verbs", "The virtual path of the mount point"),
                                  "PATH", true};
    std::vector<OptionEntry> adding{
        {"PHYSICAL", OptionKind::Argument, QT_TRANSLATE_NOOP("Verbs", "An existing directory"),
         "DIR", true},
        {"VIRTUAL", OptionKind::Argument,
         QT_TRANSLATE_NOOP("Verbs", "A virtual path starting with /, not used yet"), "PATH", true}};
    adding.insert(adding.end(), rights.begin(), rights.end());
    std::vector<OptionEntry> changing{
        virtualPath,
        {"--physical", OptionKind::Value, QT_TRANSLATE_NOOP("Verbs", "Another existing directory"),
         "DIR"},
        {"--virtual", OptionKind::Value,
         QT_TRANSLATE_NOOP("Verbs", "Another virtual path (not for the root /)"), "PATH"}};
    changing.insert(changing.end(), rights.begin(), rights.end());
    return {
        {"vfs",
         "list",
         QT_TRANSLATE_NOOP("Verbs", "Lists the mount points in file order"),
         {{"--json", OptionKind::Flag, QT_TRANSLATE_NOOP("Verbs", "As JSON")}},
         list},
        {"vfs", "add", QT_TRANSLATE_NOOP("Verbs", "Adds a mount point"), adding, add},
        {"vfs", "set", QT_TRANSLATE_NOOP("Verbs", "Changes a mount point"), changing, set},
        {"vfs",
         "remove",
         QT_TRANSLATE_NOOP("Verbs", "Removes a mount point"),
         {virtualPath},
         remove},
    };
}

} // namespace vantor::admin
