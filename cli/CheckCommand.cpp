// check: what the server or the dialogs would trip over in the definition
// files of the folder, as FILE:LINE: error|warning: text.
#include "cli/Rows.h"
#include "cli/UserColumns.h"
#include "cli/Verbs.h"
#include "core/lines/FileSystem.h"
#include "core/lines/TextLineList.h"
#include "core/server/ConfigurationFile.h"
#include "core/server/DefinitionFiles.h"
#include "core/server/FolderCheck.h"
#include "texts/ErrorTexts.h"
#include "texts/RuleTexts.h"

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
        case Kind::FileUnreadable:
            return loadFileReason(f);
        case Kind::NulByte:
            return tr("a byte 0 ends the line for the server , what follows it on the line is "
                      "lost");
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
            if (f.text.empty())
                return tr("the entry has no address");
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
        case Kind::StartupLineMalformed:
            return tr("the line is not ftpdstart and a configuration file name");
        case Kind::ConfigFileMissing:
            if (f.path.empty())
                return tr("%1 is empty , it names no file").arg(shown(f.text));
            return tr("%1 names %2 , which does not exist").arg(shown(f.text), shown(f.path));
        }
        return {};
    }
    static QString summary(std::size_t errors, std::size_t warnings) {
        return tr("errors: %1 , warnings: %2").arg(errors).arg(warnings);
    }

private:
    static QString loadFileReason(const CheckFinding& f) {
        return tr("the file can not be read: %1")
            .arg(fileErrorReason(FileError(f.file, f.fault, static_cast<int>(f.count))));
    }
};

// A stable name of each kind, for scripts reading the JSON.
constexpr const char* kKindNames[] = {
    "file_unreadable",        "line_too_long",       "nul_byte",
    "end_of_file_mark",       "user_field_count",    "user_name_refused",
    "user_name_repeated",     "user_level_bad",      "user_number_bad",
    "user_language_bad",      "user_file_readable",  "allow_entry_malformed",
    "allow_entry_no_account", "mount_field_count",   "mount_permissions_bad",
    "mount_physical_missing", "mount_owner_unknown", "mount_group_unknown",
    "mount_virtual_repeated", "mount_no_root",       "startup_config_missing",
    "startup_line_malformed", "config_key_missing",  "config_file_missing"};
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

void check(const Command& command) {
    const std::vector<CheckFinding> findings = CheckDefinitionFiles(filesOf(command.folder));
    std::size_t errors = 0;
    bool unreadable = false;
    RowPrinter printer(command.given("--json"), RowPrinter::Form::Lines);
    std::string line;
    for (const CheckFinding& finding : findings) {
        const bool error = finding.severity == CheckFinding::Severity::Error;
        errors += error ? 1 : 0;
        unreadable = unreadable || finding.kind == Kind::FileUnreadable;
        const std::string_view severity = error ? "error" : "warning";
        const std::string message = CheckTexts::describe(finding).toStdString();
        const Cell cells[] = {
            {"file", std::string_view(finding.file)},
            {"line", finding.line == 0 ? CellValue(nullptr)
                                       : CellValue(static_cast<std::int64_t>(finding.line))},
            {"severity", severity},
            {"kind", std::string_view(kKindNames[static_cast<std::size_t>(finding.kind)])},
            {"message", std::string_view(message)}};
        line = finding.file;
        if (finding.line != 0)
            line.append(":").append(std::to_string(finding.line));
        line.append(": ").append(severity).append(": ").append(message);
        printer.row(cells, line);
    }
    printer.finish();
    const std::size_t warnings = findings.size() - errors;
    tell(CheckTexts::summary(errors, warnings));
    // A file that could not be read leaves the check unfinished: that is a
    // file error, whatever the other files hold.
    if (unreadable)
        throw Stop{kExitFile, QString()};
    if (errors > 0 || (command.given("--strict") && warnings > 0))
        throw Stop{kExitRefused, QString()};
}

} // namespace

std::vector<Verb> CheckVerbs() {
    return {
        {"",
         "check",
         QT_TRANSLATE_NOOP("Verbs", "Reports what the server or the wizard would trip over in the "
                                    "folder's definition files; exit 1 on errors, 3 when a file "
                                    "can not be read"),
         {{"--json", OptionKind::Flag, QT_TRANSLATE_NOOP("Verbs", "As JSON")},
          {"--strict", OptionKind::Flag, QT_TRANSLATE_NOOP("Verbs", "Exit 1 on warnings too")}},
         check},
    };
}

} // namespace vantor::admin
