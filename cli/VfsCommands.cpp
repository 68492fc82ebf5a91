// vfs list, add, set, remove: the mount points of a *.vfs file under the
// rules of the mount point editor.
#include "cli/Admin.h"
#include "cli/UserColumns.h"
#include "core/lines/LinePieces.h"
#include "core/users/UserFile.h"
#include "core/vfs/MountPointEdits.h"
#include "texts/RuleTexts.h"
#include "texts/Strings.h"

#include <CLI/CLI.hpp>

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
};

struct Arguments {
    std::string physical, virtualPath;
    std::optional<std::string> owner, group, permissions, newPhysical, newVirtual;
    bool inherit = false, noInherit = false, json = false;
};

// The names the owner and group of a mount point may take, besides "default".
struct Names {
    std::unordered_set<std::string> users, groups;
};

Names namesOf(const Session& session) {
    TextLineList lines;
    LoadUserLineList(session.folder.chosenUserFile(), lines);
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

Change checkedChange(const Session& session, const Arguments& args) {
    if (const auto& field = args.permissions;
        field && (field->size() != 3 || field->find_first_not_of("01234567") != std::string::npos))
        refuse(VfsTexts::permissions());
    Change change;
    if (!args.owner && !args.group)
        return change;
    const Names names = namesOf(session);
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
        refuse(loadString(Str::VirtualPathExists));
    case Outcome::RootDeleteRefused:
        refuse(loadString(Str::RootDeleteRefused));
    case Outcome::RootRenameRefused:
        refuse(loadString(Str::RootRenameRefused));
    case Outcome::Refused:
        refuse(mountPointRuleText(edit.rule));
    }
}

void list(const Session& session, bool json) {
    const auto vfsFile = session.folder.chosenVfsFile();
    const FileLines file = ReadFileLines(vfsFile.value_or(std::string()));
    Json mounts = Json::array();
    for (const std::string_view line : file.lines) {
        if (!json) {
            printLine(line);
            continue;
        }
        MountPoint mount;
        ParseMountPoint(line, mount);
        std::string permissions;
        ExtractField(4, line, permissions, kMountPointSeparator);
        mounts.push_back({{"physical", mount.physicalPath},
                          {"virtual", mount.virtualPath},
                          {"owner", mount.owner},
                          {"group", mount.group},
                          {"permissions", permissions},
                          {"inherit", mount.inherit}});
    }
    if (json)
        printLine(JsonText(mounts));
}

void addOptions(CLI::App* command, Arguments& args) {
    command->add_option("--owner", args.owner,
                        helpText(VfsTexts::tr("The owner user, or default")));
    command->add_option("--group", args.group,
                        helpText(VfsTexts::tr("The owner group, or default")));
    command->add_option("--perms", args.permissions,
                        helpText(VfsTexts::tr("Owner, group and other rights, R 4 + W 2 + X 1 "
                                              "each (default for a new one: 754)")));
    auto* inherit = command->add_flag(
        "--inherit", args.inherit,
        helpText(VfsTexts::tr("Directories below take the rights (default for a new one)")));
    command
        ->add_flag("--no-inherit", args.noInherit,
                   helpText(VfsTexts::tr("Directories below do not take the rights")))
        ->excludes(inherit);
}

} // namespace

void addVfsCommands(CLI::App& app, Session& session) {
    CLI::App* vfs = app.add_subcommand("vfs", helpText(VfsTexts::tr("Mount points")));
    vfs->require_subcommand(1);
    auto args = std::make_shared<Arguments>();

    CLI::App* listing =
        vfs->add_subcommand("list", helpText(VfsTexts::tr("Lists the mount points in file order")));
    listing->add_flag("--json", args->json, helpText(VfsTexts::tr("As JSON")));
    listing->callback(
        [&session, args] { session.action = [&session, args] { list(session, args->json); }; });

    CLI::App* adding = vfs->add_subcommand("add", helpText(VfsTexts::tr("Adds a mount point")));
    adding->add_option("PHYSICAL", args->physical, helpText(VfsTexts::tr("An existing directory")))
        ->required();
    adding
        ->add_option("VIRTUAL", args->virtualPath,
                     helpText(VfsTexts::tr("A virtual path starting with /, not used yet")))
        ->required();
    addOptions(adding, *args);
    adding->callback([&session, args] {
        session.action = [&session, args] {
            const std::string vfsFile = session.folder.vfsFileToWrite();
            const Change change = checkedChange(session, *args);
            MountPoint mount;
            mount.physicalPath = absolutePath(args->physical);
            mount.virtualPath = args->virtualPath;
            DecodePermissions("754", mount.rights);
            mount.inherit = true;
            apply(*args, change, mount);
            // The editor warns of a missing owner only once the paths pass.
            if (const auto fault = CheckMountPointPaths(mount.physicalPath, mount.virtualPath))
                refuse(mountPointRuleText(fault->rule));
            putInDefaults(mount);
            settle(AddMountPoint(vfsFile, mount), args->virtualPath);
        };
    });

    CLI::App* setting = vfs->add_subcommand("set", helpText(VfsTexts::tr("Changes a mount point")));
    setting
        ->add_option("VIRTUAL", args->virtualPath,
                     helpText(VfsTexts::tr("The virtual path of the mount point")))
        ->required();
    setting->add_option("--physical", args->newPhysical,
                        helpText(VfsTexts::tr("Another existing directory")));
    setting->add_option("--virtual", args->newVirtual,
                        helpText(VfsTexts::tr("Another virtual path (not for the root /)")));
    addOptions(setting, *args);
    setting->callback([&session, args] {
        session.action = [&session, args] {
            const Arguments& a = *args;
            if (!a.owner && !a.group && !a.permissions && !a.newPhysical && !a.newVirtual &&
                !a.inherit && !a.noInherit)
                usageError(VfsTexts::nothingToChange());
            const std::string vfsFile = session.folder.vfsFileToWrite();
            const Change change = checkedChange(session, a);
            settle(ChangeMountPoint(vfsFile, a.virtualPath,
                                    [&](MountPoint& mount) { apply(a, change, mount); }),
                   a.virtualPath);
        };
    });

    CLI::App* removing =
        vfs->add_subcommand("remove", helpText(VfsTexts::tr("Removes a mount point")));
    removing
        ->add_option("VIRTUAL", args->virtualPath,
                     helpText(VfsTexts::tr("The virtual path of the mount point")))
        ->required();
    removing->callback([&session, args] {
        session.action = [&session, args] {
            settle(RemoveMountPoint(session.folder.vfsFileToWrite(), args->virtualPath),
                   args->virtualPath);
        };
    });
}

} // namespace vantor::admin
