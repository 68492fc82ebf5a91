// server create, set, list, show, enable, disable: a server configuration
// as the wizard's Finish writes it, later changes of its keys, and its line
// in the startup list.
#include "cli/Rows.h"
#include "cli/ServerRules.h"
#include "cli/Verbs.h"
#include "core/lines/FileSystem.h"
#include "core/lines/TextLineList.h"
#include "core/server/ConfigurationFile.h"
#include "core/server/DefinitionFiles.h"
#include "core/server/DesignKeys.h"
#include "core/server/IniFile.h"
#include "core/server/StartupList.h"
#include "core/vfs/MountPointEdits.h"
#include "core/vfs/VfsValidation.h"
#include "texts/Strings.h"

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
    static QString twice(const std::string& key, const char* option) {
        return tr("%1 is given by %2 already , with another value")
            .arg(shown(key), QLatin1String(option));
    }
    static QString pathTooLong(std::string_view path, std::size_t bytes) {
        return tr("the path %1 is longer than %2 bytes , it can not be used")
            .arg(shown(path))
            .arg(bytes);
    }
    static QString atMostBytes(std::int64_t bytes) {
        return tr("write at most %1 bytes").arg(bytes);
    }
    static QString enabled(const std::string& config) {
        return tr("%1 starts at launch now").arg(shown(config));
    }
    static QString enabledAlready(const std::string& config) {
        return tr("%1 starts at launch already").arg(shown(config));
    }
    static QString disabled(const std::string& config) {
        return tr("%1 does not start at launch now").arg(shown(config));
    }
    static QString disabledAlready(const std::string& config) {
        return tr("%1 does not start at launch already").arg(shown(config));
    }
};

} // namespace

QString DesignKeyReason(std::string_view key, const DesignKeyCheck& check, std::string_view value) {
    using Rule = DesignKeyCheck::Rule;
    const bool path = key == "VFSFILE" || key == "USRFILE" || key == "IPFILE";
    switch (check.rule) {
    case Rule::Ok:
        return {};
    case Rule::UnknownKey:
        return ServerTexts::unknownKey();
    case Rule::NotUnsigned:
        return wholeNumberText();
    case Rule::NotInteger:
        return loadString(Str::EnterInteger);
    case Rule::OutOfRange:
        return loadString(Str::EnterNumberInRange)
            .arg(QString::number(check.min), QString::number(check.max));
    case Rule::TooLong:
        return path ? ServerTexts::pathTooLong(value, static_cast<std::size_t>(check.max))
                    : ServerTexts::atMostBytes(check.max);
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

std::optional<QString> RootDirectoryFault(const std::string& root) {
    if (root.empty())
        return loadString(Str::RootDirectoryEmpty);
    if (CheckMountPointField(root) != MountPointRule::Ok)
        return loadString(Str::RootDirectoryBadCharacter);
    if (root.size() > kMaxPathLength)
        return ServerTexts::pathTooLong(root, kMaxPathLength);
    if (!SECFileSystem().DirectoryExists(root))
        return loadString(Str::RootDirectoryMissing);
    return std::nullopt;
}

bool ServerNameFits(const std::string& name) {
    return !name.empty() && name.find(kPathSeparator) == std::string::npos;
}

QString ServerNameText() {
    return ServerTexts::badName();
}

namespace {

void setKey(ServerDesign& design, const std::string& key, const std::string& value) {
    if (const DesignKeyCheck check = SetDesignKey(design, key, value);
        check.rule != DesignKeyCheck::Rule::Ok)
        refuse(fieldRefusedText(shown(key), DesignKeyReason(key, check, value)));
}

std::pair<std::string, std::string> keyAndValue(const std::string& setting) {
    const auto equals = setting.find('=');
    if (equals == std::string::npos)
        refuse(ServerTexts::noEquals(setting));
    return {setting.substr(0, equals), setting.substr(equals + 1)};
}

// The root directory as the basic options page takes it.
void checkRootDirectory(const std::string& root) {
    if (const auto fault = RootDirectoryFault(root))
        refuse(*fault);
}

bool isPathKey(std::string_view key) {
    return key == "VFSFILE" || key == "USRFILE" || key == "IPFILE";
}

// A setting as it goes into the file: the paths absolute, as the server
// does not run in this folder, and taken from the folder as the file options
// are.
std::pair<std::string, std::string> settingOf(const Command& command, const std::string& setting) {
    auto [key, value] = keyAndValue(setting);
    if (isPathKey(key) && !value.empty() && value.front() != kPathSeparator)
        value = JoinPath(command.folder.directory, value);
    return {key, value};
}

std::string configFileOf(const Command& command) {
    const std::string& name = command.argument("NAME");
    if (!ServerNameFits(name))
        refuse(ServerTexts::badName());
    return JoinPath(command.folder.directory, name + ".ftpd");
}

std::string startupListOf(const Command& command) {
    return JoinPath(command.folder.directory, kStartupListName);
}

// What the wizard's Finish does for a design with the start-up values.
void create(const Command& command) {
    const std::string configFile = configFileOf(command);
    const std::string& name = command.argument("NAME");
    ServerDesign design;
    setKey(design, "SERVER_NAME", name);
    const auto port = command.value("--port");
    const auto address = command.value("--address");
    if (port)
        setKey(design, "LISTEN_PORT", *port);
    if (address)
        setKey(design, "SERVER_IP", *address);
    design.rootDirectory = absolutePath(command.argument("--root"));
    checkRootDirectory(design.rootDirectory);
    setKey(design, "VFSFILE", JoinPath(command.folder.directory, name + ".vfs"));
    setKey(design, "USRFILE", command.folder.chosenUserFile(FileUse::Create));
    setKey(design, "IPFILE", command.folder.chosenAllowFile(FileUse::Create));
    for (const std::string& setting : command.values("--set")) {
        const auto [key, value] = settingOf(command, setting);
        ServerDesign scratch;
        setKey(scratch, key, value);
        const std::string written = DesignKeyValue(scratch, key);
        for (const auto& [option, given, twin] : {std::tuple{"--port", port, "LISTEN_PORT"},
                                                  std::tuple{"--address", address, "SERVER_IP"}})
            if (given && key == twin && written != DesignKeyValue(design, key))
                refuse(ServerTexts::twice(key, option));
        setKey(design, key, value);
    }
    if (!PathFitsRecord(configFile))
        refuse(ServerTexts::pathTooLong(configFile, kMaxPathLength));
    design.configFile = configFile;
    design.startAtLaunch = !command.given("--no-startup");
    // The configuration file, the root mount point when the *.vfs file is
    // new, and the line of the folder's startup list, as the wizard's Finish
    // writes them: together or not at all, the configuration file's absence
    // checked under its lock, so that of two creates of one name one wins.
    if (!WriteServerFiles(design, startupListOf(command), true, command.folder.consent()))
        refuse(ServerTexts::exists(configFile));
}

void set(const Command& command) {
    const std::string configFile = configFileOf(command);
    std::vector<std::pair<std::string, std::string>> values;
    for (const std::string& setting : command.values("SETTINGS")) {
        const auto [key, value] = settingOf(command, setting);
        ServerDesign scratch;
        setKey(scratch, key, value);
        values.emplace_back(key, DesignKeyValue(scratch, key));
    }
    if (!SetConfigurationKeys(configFile, values))
        refuse(ServerTexts::missing(configFile));
}

void list(const Command& command) {
    TextLineList startup;
    ReadLineList(startupListOf(command), startup);
    RowPrinter printer(command.given("--json"), RowPrinter::Form::Lines);
    for (const std::string& file : FindMatches(command.folder.directory, kConfigFilePattern)) {
        const std::string base = BaseName(file);
        const std::string name = base.substr(0, base.size() - 5);
        const bool starts = startup.contains(StartupLine(file));
        const Cell cells[] = {{"name", std::string_view(name)},
                              {"file", std::string_view(file)},
                              {"startup", starts}};
        printer.row(cells, name + (starts ? "\tenabled" : "\tdisabled"));
    }
    printer.finish();
}

void show(const Command& command) {
    const std::string configFile = configFileOf(command);
    if (!SECFileSystem().FileExists(configFile))
        refuse(ServerTexts::missing(configFile));
    const IniFile config = IniFile::load(configFile);
    const bool json = command.given("--json");
    RowPrinter printer(json ? RowPrinter::Form::JsonOne : RowPrinter::Form::Lines);
    std::vector<std::optional<IniFile::Value>> values;
    std::vector<Cell> cells;
    std::string lines;
    for (const std::string_view key : kDesignKeys) {
        const auto& value = values.emplace_back(config.find("FTPD", std::string(key)));
        if (!json && value)
            lines.append(key).append("=").append(value->text) += '\n';
    }
    for (std::size_t i = 0; i < kDesignKeys.size(); ++i)
        cells.push_back({kDesignKeys[i], values[i] ? CellValue(std::string_view(values[i]->text))
                                                   : CellValue(nullptr)});
    if (!json && !lines.empty())
        lines.pop_back();
    printer.row(cells, lines);
    printer.finish();
}

void enable(const Command& command) {
    const std::string configFile = configFileOf(command);
    if (!SECFileSystem().FileExists(configFile))
        refuse(ServerTexts::missing(configFile));
    const std::string base = BaseName(configFile);
    tell(EnableInStartupList(startupListOf(command), configFile, command.folder.consent())
             ? ServerTexts::enabled(base)
             : ServerTexts::enabledAlready(base));
}

void disable(const Command& command) {
    const std::string configFile = configFileOf(command);
    const std::string base = BaseName(configFile);
    tell(DisableInStartupList(startupListOf(command), configFile, command.folder.consent())
             ? ServerTexts::disabled(base)
             : ServerTexts::disabledAlready(base));
}

} // namespace

std::vector<Verb> ServerVerbs() {
    const OptionEntry name{"NAME", OptionKind::Argument,
                           QT_TRANSLATE_NOOP("Verbs", "The server name"), "NAME", true};
    const OptionEntry json{"--json", OptionKind::Flag, QT_TRANSLATE_NOOP("Verbs", "As JSON")};
    return {
        {"server",
         "create",
         QT_TRANSLATE_NOOP("Verbs", "Writes NAME.ftpd, NAME.vfs and the startup list line as the "
                                    "wizard's Finish does"),
         {name,
          {"--root", OptionKind::Value,
           QT_TRANSLATE_NOOP("Verbs", "The root directory of the server"), "DIR", true},
          {"--port", OptionKind::Value, QT_TRANSLATE_NOOP("Verbs", "The listen port"), "NUMBER"},
          {"--address", OptionKind::Value, QT_TRANSLATE_NOOP("Verbs", "The server's address"),
           "ADDRESS"},
          {"--set", OptionKind::Values,
           QT_TRANSLATE_NOOP("Verbs", "Sets a key of section FTPD, KEY=VALUE"), "KEY=VALUE"},
          {"--no-startup", OptionKind::Flag,
           QT_TRANSLATE_NOOP("Verbs", "Leaves the startup list as it is")}},
         create},
        {"server",
         "set",
         QT_TRANSLATE_NOOP("Verbs", "Changes keys of an existing NAME.ftpd"),
         {name,
          {"SETTINGS", OptionKind::Arguments, QT_TRANSLATE_NOOP("Verbs", "KEY=VALUE ..."),
           "KEY=VALUE", true}},
         set},
        {"server",
         "list",
         QT_TRANSLATE_NOOP("Verbs", "Lists every *.ftpd of the folder and whether it starts at "
                                    "launch"),
         {json},
         list},
        {"server",
         "show",
         QT_TRANSLATE_NOOP("Verbs", "Shows the keys of section FTPD of NAME.ftpd"),
         {name, json},
         show},
        {"server",
         "enable",
         QT_TRANSLATE_NOOP("Verbs", "Starts NAME.ftpd at launch: its line in the startup list"),
         {name},
         enable},
        {"server",
         "disable",
         QT_TRANSLATE_NOOP("Verbs", "Takes the line of NAME.ftpd out of the startup list"),
         {name},
         disable},
    };
}

} // namespace vantor::admin
