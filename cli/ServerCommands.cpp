// server create and server set: a server configuration as the wizard's
// Finish writes it, and later changes of its keys.
#include "cli/Admin.h"
#include "core/lines/FileSystem.h"
#include "core/lines/TextLineList.h"
#include "core/server/ConfigurationFile.h"
#include "core/server/DesignKeys.h"
#include "core/vfs/MountPointEdits.h"
#include "core/vfs/VfsValidation.h"
#include "texts/Strings.h"

#include <CLI/CLI.hpp>

#include <cerrno>
#include <unistd.h>

namespace vantor::admin {

namespace {

class ServerTexts {
    Q_DECLARE_TR_FUNCTIONS(ServerTexts)
public:
    static QString unknownKey() {
        QStringList keys;
        for (const std::string_view key : kDesignKeys)
            keys.append(shown(key));
        return tr("unknown key , the keys are %1").arg(keys.join(QStringLiteral(", ")));
    }
    static QString notAnAddress() { return tr("not a dotted IPv4 address such as 192.168.1.10"); }
    static QString noEquals(const std::string& setting) {
        return tr("%1 is not KEY=VALUE").arg(shown(setting));
    }
    static QString badName() {
        return tr("the server name can not be empty or hold the character /");
    }
    static QString exists(const std::string& file) {
        return tr("%1 exists already , server set changes its keys").arg(shown(file));
    }
    static QString missing(const std::string& file) {
        return tr("there is no %1").arg(shown(file));
    }
};

QString keyReason(std::string_view key, const DesignKeyCheck& check, std::string_view value) {
    using Rule = DesignKeyCheck::Rule;
    const bool path = key == "VFSFILE" || key == "USRFILE" || key == "IPFILE";
    switch (check.rule) {
    case Rule::Ok:
        return {};
    case Rule::UnknownKey:
        return ServerTexts::unknownKey();
    case Rule::NotUnsigned:
        return loadString(Str::EnterUnsigned);
    case Rule::NotInteger:
        return loadString(Str::EnterInteger);
    case Rule::OutOfRange:
        return loadString(Str::EnterNumberInRange)
            .arg(QString::number(check.min), QString::number(check.max));
    case Rule::TooLong:
        return path ? loadString(Str::PathTooLong).arg(shown(value)).arg(check.max)
                    : loadString(Str::EnterAtMostChars).arg(check.max);
    case Rule::LineBreak:
        return loadString(path                   ? Str::PathLineBreak
                          : key == "SERVER_NAME" ? Str::ServerNameLineBreak
                                                 : Str::TextLineBreak);
    case Rule::NotAFlag:
        return flagText();
    case Rule::NotAnAddress:
        return ServerTexts::notAnAddress();
    }
    return {};
}

void setKey(ServerDesign& design, const std::string& key, const std::string& value) {
    if (const DesignKeyCheck check = SetDesignKey(design, key, value);
        check.rule != DesignKeyCheck::Rule::Ok)
        refuse(fieldRefusedText(shown(key), keyReason(key, check, value)));
}

std::pair<std::string, std::string> keyAndValue(const std::string& setting) {
    const auto equals = setting.find('=');
    if (equals == std::string::npos)
        refuse(ServerTexts::noEquals(setting));
    return {setting.substr(0, equals), setting.substr(equals + 1)};
}

// The root directory as the basic options page takes it.
void checkRootDirectory(const std::string& root) {
    if (root.empty())
        refuse(loadString(Str::RootDirectoryEmpty));
    if (CheckMountPointField(root) != MountPointRule::Ok)
        refuse(loadString(Str::RootDirectoryBadCharacter));
    if (root.size() > kMaxPathLength)
        refuse(loadString(Str::PathTooLong).arg(shown(root)).arg(kMaxPathLength));
    if (!SECFileSystem().DirectoryExists(root))
        refuse(loadString(Str::RootDirectoryMissing));
}

struct Arguments {
    std::string name, root, port, address;
    std::vector<std::string> settings;
    bool noStartup = false;
};

std::string configFileOf(const Session& session, const std::string& name) {
    if (name.empty() || name.find(kPathSeparator) != std::string::npos)
        refuse(ServerTexts::badName());
    return JoinPath(session.folder.directory, name + ".ftpd");
}

// What the wizard's Finish does for a design with the start-up values: the
// configuration file, the root mount point when the *.vfs file is new, and
// the line of the startup list.
void create(const Session& session, const Arguments& args) {
    const std::string configFile = configFileOf(session, args.name);
    ServerDesign design;
    setKey(design, "SERVER_NAME", args.name);
    if (!args.port.empty())
        setKey(design, "LISTEN_PORT", args.port);
    if (!args.address.empty())
        setKey(design, "SERVER_IP", args.address);
    design.rootDirectory = absolutePath(args.root);
    checkRootDirectory(design.rootDirectory);
    setKey(design, "VFSFILE", JoinPath(session.folder.directory, args.name + ".vfs"));
    setKey(design, "USRFILE", session.folder.chosenUserFile());
    setKey(design, "IPFILE", session.folder.chosenAllowFile());
    for (const std::string& setting : args.settings) {
        const auto [key, value] = keyAndValue(setting);
        setKey(design, key, value);
    }
    if (HasLineBreak(configFile) || configFile.size() > kMaxPathLength)
        refuse(loadString(Str::PathTooLong).arg(shown(configFile)).arg(kMaxPathLength));
    if (SECFileSystem().FileExists(configFile))
        refuse(ServerTexts::exists(configFile));
    design.configFile = configFile;
    design.startAtLaunch = !args.noStartup;

    // The startup list is the folder's own.
    if (::chdir(session.folder.directory.c_str()) != 0)
        throw FileError(session.folder.directory, errno);
    writeConfigurationFile(design);
    WriteRootMountPointIfMissing(design.vfsFile, design.rootDirectory);
    if (design.startAtLaunch)
        addToStartupList(design.configFile);
}

void set(const Session& session, const Arguments& args) {
    const std::string configFile = configFileOf(session, args.name);
    std::vector<std::pair<std::string, std::string>> values;
    for (const std::string& setting : args.settings) {
        const auto [key, value] = keyAndValue(setting);
        ServerDesign scratch;
        setKey(scratch, key, value);
        values.emplace_back(key, DesignKeyValue(scratch, key));
    }
    if (!SetConfigurationKeys(configFile, values))
        refuse(ServerTexts::missing(configFile));
}

} // namespace

void addServerCommands(CLI::App& app, Session& session) {
    CLI::App* server =
        app.add_subcommand("server", helpText(ServerTexts::tr("Server configurations")));
    server->require_subcommand(1);
    auto args = std::make_shared<Arguments>();

    CLI::App* creating = server->add_subcommand(
        "create", helpText(ServerTexts::tr("Writes NAME.ftpd, NAME.vfs and the startup list "
                                           "line as the wizard's Finish does")));
    creating->add_option("NAME", args->name, helpText(ServerTexts::tr("The server name")))
        ->required();
    creating
        ->add_option("--root", args->root,
                     helpText(ServerTexts::tr("The root directory of the server")))
        ->required();
    creating->add_option("--port", args->port, helpText(ServerTexts::tr("The listen port")));
    creating->add_option("--address", args->address,
                         helpText(ServerTexts::tr("The server's address")));
    creating
        ->add_option("--set", args->settings,
                     helpText(ServerTexts::tr("Sets a key of section FTPD, KEY=VALUE")))
        ->type_name("KEY=VALUE");
    creating->add_flag("--no-startup", args->noStartup,
                       helpText(ServerTexts::tr("Leaves the startup list as it is")));
    creating->callback(
        [&session, args] { session.action = [&session, args] { create(session, *args); }; });

    CLI::App* setting = server->add_subcommand(
        "set", helpText(ServerTexts::tr("Changes keys of an existing NAME.ftpd")));
    setting->add_option("NAME", args->name, helpText(ServerTexts::tr("The server name")))
        ->required();
    setting->add_option("SETTINGS", args->settings, helpText(ServerTexts::tr("KEY=VALUE ...")))
        ->required()
        ->type_name("KEY=VALUE");
    setting->callback(
        [&session, args] { session.action = [&session, args] { set(session, *args); }; });
}

} // namespace vantor::admin
