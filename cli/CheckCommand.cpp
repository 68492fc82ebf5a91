// check: what the server or the dialogs would trip over in the definition
// files of the folder, as FILE:LINE: error|warning: text.
#include "cli/Admin.h"
#include "cli/UserColumns.h"
#include "core/lines/FileSystem.h"
#include "core/lines/TextLineList.h"
#include "core/server/ConfigurationFile.h"
#include "core/server/DefinitionFiles.h"
#include "core/server/FolderCheck.h"
#include "texts/RuleTexts.h"

#include <CLI/CLI.hpp>

#include <algorithm>

namespace vantor::admin {

namespace {

using Kind = CheckFinding::Kind;

class CheckTexts {
    Q_DECLARE_TR_FUNCTIONS(CheckTexts)
public:
    static QString describe(const CheckFinding& f) {
        switch (f.kind) {
        case Kind::LineTooLong:
            return tr("the line is %1 bytes long , the readers take at most %2 and split it")
                .arg(f.count)
                .arg(kMaxLinePiece);
        case Kind::EndOfFileMark:
            return tr("a byte 0x1A ends the file for the readers , what follows it is lost at "
                      "the next rewrite");
        case Kind::UserFieldCount:
            return tr("the account line has %1 fields , not 14").arg(f.count);
        case Kind::UserNameRefused:
            return inputRuleText(f.rule);
        case Kind::UserNameRepeated:
            return tr("the name is used on line %1 already , this line is never reached")
                .arg(f.otherLine);
        case Kind::UserLevelBad:
            return tr("the level %1 is none of 0 root , 1 super , 2 normal , 3 guest , 4 none")
                .arg(shown(f.text));
        case Kind::UserNumberBad:
            return tr("the field %1 holds %2 , which is not a number it can hold")
                .arg(shown(ColumnName(static_cast<UserField>(f.field))), shown(f.text));
        case Kind::UserLanguageBad:
            return tr("the language %1 is none of default , eng , cht , jpn").arg(shown(f.text));
        case Kind::UserFileReadable:
            return tr("the file holds passwords and other users may read it ( chmod 600 )");
        case Kind::AllowEntryMalformed:
            return tr("%1 is not a full IPv4 address or a prefix of one ending in .")
                .arg(shown(f.text));
        case Kind::AllowEntryNoAccount:
            return tr("no account is named %1 , the entry applies to nobody").arg(shown(f.text));
        case Kind::MountFieldCount:
            return tr("the mount point line has %1 fields , not 6").arg(f.count);
        case Kind::MountPermissionsBad:
            return tr("the permissions %1 are not three digits 0 to 7").arg(shown(f.text));
        case Kind::MountPhysicalMissing:
            return tr("the physical path %1 is not an existing directory").arg(shown(f.text));
        case Kind::MountOwnerUnknown:
            return unknownAccountText(f.text);
        case Kind::MountGroupUnknown:
            return tr("no account is in the group %1").arg(shown(f.text));
        case Kind::MountVirtualRepeated:
            return tr("the virtual path %1 is used on line %2 already")
                .arg(shown(f.text))
                .arg(f.otherLine);
        case Kind::MountNoRoot:
            return tr("no mount point has the virtual path / ( the root directory )");
        case Kind::StartupConfigMissing:
            return tr("the configuration %1 does not exist").arg(shown(f.text));
        case Kind::ConfigKeyMissing:
            return tr("section FTPD has no key %1").arg(shown(f.text));
        case Kind::ConfigFileMissing:
            return tr("%1 names %2 , which does not exist").arg(shown(f.text), shown(f.path));
        }
        return {};
    }
    static QString summary(std::size_t errors, std::size_t warnings) {
        return tr("%1 errors , %2 warnings").arg(errors).arg(warnings);
    }
};

// A stable name of each kind, for scripts reading the JSON.
constexpr const char* kKindNames[] = {
    "line_too_long",          "end_of_file_mark",       "user_field_count",
    "user_name_refused",      "user_name_repeated",     "user_level_bad",
    "user_number_bad",        "user_language_bad",      "user_file_readable",
    "allow_entry_malformed",  "allow_entry_no_account", "mount_field_count",
    "mount_permissions_bad",  "mount_physical_missing", "mount_owner_unknown",
    "mount_group_unknown",    "mount_virtual_repeated", "mount_no_root",
    "startup_config_missing", "config_key_missing",     "config_file_missing"};
static_assert(std::size(kKindNames) == static_cast<std::size_t>(Kind::ConfigFileMissing) + 1);

// Every definition file of the folder, and the files named on the command
// line besides.
CheckedFiles filesOf(const Folder& folder) {
    CheckedFiles files;
    files.directory = folder.directory;
    const auto gather = [&](const char* pattern, const std::string& named) {
        std::vector<std::string> found = FindMatches(folder.directory, pattern);
        if (!named.empty() && std::find(found.begin(), found.end(), named) == found.end())
            found.push_back(named);
        return found;
    };
    files.userFiles = gather(kUserFilePattern, folder.userFile);
    files.allowFiles = gather(kAllowFilePattern, folder.allowFile);
    files.vfsFiles = gather(kVfsFilePattern, folder.vfsFile);
    files.configFiles = gather(kConfigFilePattern, {});
    if (std::string startup = JoinPath(folder.directory, kStartupListName);
        SECFileSystem().FileExists(startup))
        files.startupList = std::move(startup);
    return files;
}

void check(const Session& session, bool json, bool strict) {
    const std::vector<CheckFinding> findings = CheckDefinitionFiles(filesOf(session.folder));
    std::size_t errors = 0;
    Json list = Json::array();
    for (const CheckFinding& finding : findings) {
        const bool error = finding.severity == CheckFinding::Severity::Error;
        errors += error ? 1 : 0;
        const std::string severity = error ? "error" : "warning";
        const std::string message = CheckTexts::describe(finding).toStdString();
        if (json) {
            list.push_back({{"file", finding.file},
                            {"line", finding.line == 0 ? Json(nullptr) : Json(finding.line)},
                            {"severity", severity},
                            {"kind", kKindNames[static_cast<std::size_t>(finding.kind)]},
                            {"message", message}});
            continue;
        }
        std::string place = finding.file;
        if (finding.line != 0)
            place += ":" + std::to_string(finding.line);
        printLine(place + ": " + severity + ": " + message);
    }
    if (json)
        printLine(JsonText(list));
    const std::size_t warnings = findings.size() - errors;
    tell(CheckTexts::summary(errors, warnings));
    if (errors > 0 || (strict && warnings > 0))
        throw Stop{kExitRefused, QString()};
}

} // namespace

void addCheckCommand(CLI::App& app, Session& session) {
    struct Arguments {
        bool json = false, strict = false;
    };
    auto args = std::make_shared<Arguments>();
    CLI::App* checking = app.add_subcommand(
        "check", helpText(CheckTexts::tr("Reports what the server or the wizard would trip over "
                                         "in the folder's definition files; exit 1 on errors")));
    checking->add_flag("--json", args->json, helpText(CheckTexts::tr("As JSON")));
    checking->add_flag("--strict", args->strict,
                       helpText(CheckTexts::tr("Exit 1 on warnings too")));
    checking->callback([&session, args] {
        session.action = [&session, args] { check(session, args->json, args->strict); };
    });
}

} // namespace vantor::admin
