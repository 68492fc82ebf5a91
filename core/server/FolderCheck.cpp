#include "core/server/FolderCheck.h"

#include "core/lines/FileSystem.h"
#include "core/lines/TextLineList.h"
#include "core/lines/WholeFile.h"
#include "core/server/IniFile.h"
#include "core/users/AllowEdits.h"
#include "core/users/UserLine.h"
#include "core/vfs/VfsFile.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <functional>
#include <limits>
#include <sys/stat.h>
#include <tuple>
#include <unordered_map>
#include <unordered_set>

namespace vantor {

namespace {

using Kind = CheckFinding::Kind;
using Severity = CheckFinding::Severity;

bool isWarning(Kind kind) {
    switch (kind) {
    case Kind::UserNameRepeated:
    case Kind::UserFileReadable:
    case Kind::AllowEntryNoAccount:
    case Kind::MountPhysicalMissing:
    case Kind::MountOwnerUnknown:
    case Kind::MountGroupUnknown:
        return true;
    default:
        return false;
    }
}

class Findings {
public:
    explicit Findings(std::vector<CheckFinding>& out) : out_(out) {}

    CheckFinding& add(const std::string& file, std::size_t line, Kind kind) {
        CheckFinding& finding = out_.emplace_back();
        finding.file = file;
        finding.line = line;
        finding.kind = kind;
        finding.severity = isWarning(kind) ? Severity::Warning : Severity::Error;
        return finding;
    }

private:
    std::vector<CheckFinding>& out_;
};

std::string fromFolder(const std::string& directory, const std::string& path) {
    return path.empty() || path.front() == kPathSeparator ? path : JoinPath(directory, path);
}

// Runs a check of one file; a file that cannot be read is reported instead.
void readingFile(Findings& findings, const std::string& fileName,
                 const std::function<void()>& check) {
    try {
        check();
    } catch (const FileError& error) {
        CheckFinding& finding = findings.add(fileName, 0, Kind::FileUnreadable);
        finding.count = static_cast<std::size_t>(error.errorNumber());
        finding.fault = error.fault();
        finding.text = error.reason();
    }
}

// Every line a reader takes, numbered from 1 as it stands in the file, empty
// lines and exact repeats left out, the line end taken off; a line too long
// for the readers is reported instead of visited, and a line with a byte 0
// is reported and visited up to it. A byte 0x1A ends the walk, and is
// reported when bytes follow it.
void forEachLine(Findings& findings, const std::string& fileName,
                 const std::function<void(std::size_t, std::string_view)>& visit) {
    std::string bytes;
    readingFile(findings, fileName, [&] { bytes = ReadDefinitionFile(fileName).bytes; });
    std::string_view text = bytes;
    const std::size_t mark = text.find('\x1A');
    text = text.substr(0, mark);
    // Room for every line up front: growing a table of 100,000 lines step
    // by step costs more than filling it.
    std::unordered_set<std::string_view> seen;
    seen.reserve(static_cast<std::size_t>(std::count(text.begin(), text.end(), '\n')) + 1);
    std::size_t number = 0;
    while (!text.empty()) {
        ++number;
        const std::size_t feed = text.find('\n');
        std::string_view line = text.substr(0, feed);
        text.remove_prefix(feed == std::string_view::npos ? text.size() : feed + 1);
        if (feed != std::string_view::npos && !line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        if (line.empty() || !seen.insert(line).second)
            continue;
        if (line.size() > kMaxLinePiece) {
            findings.add(fileName, number, Kind::LineTooLong).count = line.size();
            continue;
        }
        if (const std::size_t nul = line.find('\0'); nul != std::string_view::npos) {
            findings.add(fileName, number, Kind::NulByte);
            line = line.substr(0, nul);
        }
        visit(number, line);
    }
    if (mark != std::string_view::npos && mark + 1 < bytes.size()) {
        const auto feeds =
            std::count(bytes.begin(), bytes.begin() + static_cast<std::ptrdiff_t>(mark), '\n');
        findings.add(fileName, static_cast<std::size_t>(feeds) + 1, Kind::EndOfFileMark);
    }
}

std::size_t fieldCount(std::string_view line, char separator) {
    return static_cast<std::size_t>(std::count(line.begin(), line.end(), separator)) + 1;
}

// A decimal number as the writers write it: digits after an optional "-"
// where signed, within the bounds.
bool isNumber(std::string_view text, bool allowSign, std::int64_t min, std::int64_t max) {
    const bool negative = allowSign && text.starts_with('-');
    const std::string_view digits = negative ? text.substr(1) : text;
    if (digits.empty() || digits.size() > 10 ||
        !std::all_of(digits.begin(), digits.end(), [](char c) { return c >= '0' && c <= '9'; }))
        return false;
    std::int64_t value = 0;
    std::from_chars(text.data(), text.data() + text.size(), value);
    return value >= min && value <= max;
}

// The fields of a line, split once: as many as kUserLineFieldCount, the
// last running to the line's end, as ExtractField takes them.
std::array<std::string_view, kUserLineFieldCount> splitUserLine(std::string_view line) {
    std::array<std::string_view, kUserLineFieldCount> fields;
    for (std::size_t i = 0; i + 1 < fields.size(); ++i) {
        const std::size_t colon = line.find(kUserFieldSeparator);
        fields[i] = line.substr(0, colon);
        line.remove_prefix(colon == std::string_view::npos ? line.size() : colon + 1);
    }
    fields.back() = line;
    return fields;
}

struct Accounts {
    std::unordered_set<std::string> names;
    std::unordered_set<std::string> groups;
};

void checkUserLine(Findings& findings, const std::string& file, std::size_t number,
                   std::string_view line, std::unordered_map<std::string, std::size_t>& firstLine,
                   Accounts& accounts) {
    const std::string name = UserNameOf(line);
    if (const InputRule rule = CheckUserName(name); rule != InputRule::Ok)
        findings.add(file, number, Kind::UserNameRefused).rule = rule;
    if (const auto [first, added] = firstLine.try_emplace(name, number); !added)
        findings.add(file, number, Kind::UserNameRepeated).otherLine = first->second;
    accounts.names.insert(name);
    if (const std::size_t count = fieldCount(line, kUserFieldSeparator);
        count != kUserLineFieldCount) {
        findings.add(file, number, Kind::UserFieldCount).count = count;
        return;
    }
    const auto fields = splitUserLine(line);
    accounts.groups.emplace(fields[3]);
    if (!isNumber(fields[1], false, 0, kNoLevel))
        findings.add(file, number, Kind::UserLevelBad).text = fields[1];
    constexpr std::int64_t kMinSigned = std::numeric_limits<std::int32_t>::min();
    constexpr std::int64_t kMaxSigned = std::numeric_limits<std::int32_t>::max();
    for (int i = 4; i <= 11; ++i) {
        const bool counter = i >= 10; // the two counters are written unsigned
        const std::string_view text = fields[static_cast<std::size_t>(i)];
        if (!isNumber(text, !counter, counter ? 0 : kMinSigned,
                      counter ? std::numeric_limits<std::uint32_t>::max() : kMaxSigned)) {
            CheckFinding& finding = findings.add(file, number, Kind::UserNumberBad);
            finding.field = i;
            finding.text = text;
        }
    }
    const std::string_view language = fields[13];
    if (!language.empty() && !LanguageDisplayName(language))
        findings.add(file, number, Kind::UserLanguageBad).text = language;
}

void checkUserFile(Findings& findings, const std::string& file, Accounts& accounts) {
    std::unordered_map<std::string, std::size_t> firstLine;
    struct stat info {};
    // Room for about every name: an account line seldom takes under 28 bytes.
    if (::stat(file.c_str(), &info) == 0 && S_ISREG(info.st_mode)) {
        const auto lines = static_cast<std::size_t>(info.st_size) / 28 + 1;
        firstLine.reserve(lines);
        accounts.names.reserve(accounts.names.size() + lines);
    }
    forEachLine(findings, file, [&](std::size_t number, std::string_view line) {
        checkUserLine(findings, file, number, line, firstLine, accounts);
    });
    if (::stat(file.c_str(), &info) == 0 && S_ISREG(info.st_mode) &&
        (info.st_mode & (S_IRGRP | S_IROTH)) != 0)
        findings.add(file, 0, Kind::UserFileReadable);
}

void checkAllowFile(Findings& findings, const std::string& file, const Accounts& accounts) {
    forEachLine(findings, file, [&](std::size_t number, std::string_view line) {
        const AllowedEntryParts parts = SplitAllowedEntry(line);
        const std::string address = parts.address.value_or(std::string());
        if (CheckAllowedAddress(address) != InputRule::Ok)
            findings.add(file, number, Kind::AllowEntryMalformed).text = address;
        if (parts.user && !accounts.names.contains(*parts.user))
            findings.add(file, number, Kind::AllowEntryNoAccount).text = *parts.user;
    });
}

bool isPermissionField(std::string_view field) {
    return field.size() == 3 &&
           std::all_of(field.begin(), field.end(), [](char c) { return c >= '0' && c <= '7'; });
}

void checkVfsFile(Findings& findings, const std::string& file, const Accounts& accounts) {
    std::unordered_map<std::string, std::size_t> firstLine;
    bool root = false;
    forEachLine(findings, file, [&](std::size_t number, std::string_view line) {
        if (const std::size_t count = fieldCount(line, kMountPointSeparator);
            count != kMountPointFieldCount) {
            findings.add(file, number, Kind::MountFieldCount).count = count;
            return;
        }
        MountPoint mount;
        ParseMountPoint(line, mount);
        std::string permissions;
        ExtractField(4, line, permissions, kMountPointSeparator);
        if (!isPermissionField(permissions))
            findings.add(file, number, Kind::MountPermissionsBad).text = permissions;
        if (!SECFileSystem().DirectoryExists(mount.physicalPath))
            findings.add(file, number, Kind::MountPhysicalMissing).text = mount.physicalPath;
        if (mount.owner != kDefaultOwnerName && !accounts.names.contains(mount.owner))
            findings.add(file, number, Kind::MountOwnerUnknown).text = mount.owner;
        if (mount.group != kDefaultOwnerName && !accounts.groups.contains(mount.group))
            findings.add(file, number, Kind::MountGroupUnknown).text = mount.group;
        root = root || mount.virtualPath == "/";
        if (const auto [first, added] = firstLine.try_emplace(mount.virtualPath, number); !added) {
            CheckFinding& finding = findings.add(file, number, Kind::MountVirtualRepeated);
            finding.text = mount.virtualPath;
            finding.otherLine = first->second;
        }
    });
    if (!root)
        findings.add(file, 0, Kind::MountNoRoot);
}

void checkStartupList(Findings& findings, const std::string& directory, const std::string& file) {
    constexpr std::string_view kStart = "ftpdstart ";
    forEachLine(findings, file, [&](std::size_t number, std::string_view line) {
        const std::string config(line.starts_with(kStart) ? line.substr(kStart.size()) : "");
        if (config.empty()) {
            findings.add(file, number, Kind::StartupLineMalformed);
            return;
        }
        if (!SECFileSystem().FileExists(fromFolder(directory, config)))
            findings.add(file, number, Kind::StartupConfigMissing).text = config;
    });
}

void checkConfigFile(Findings& findings, const std::string& directory, const std::string& file) {
    IniFile config;
    bool read = false;
    readingFile(findings, file, [&] {
        config = IniFile::load(file);
        read = true;
    });
    if (!read)
        return;
    for (const char* key : {"USRFILE", "IPFILE", "VFSFILE"}) {
        const auto value = config.find("FTPD", key);
        if (!value) {
            findings.add(file, 0, Kind::ConfigKeyMissing).text = key;
            continue;
        }
        const std::string path = fromFolder(directory, value->text);
        if (SECFileSystem().FileExists(path))
            continue;
        CheckFinding& finding = findings.add(file, value->line, Kind::ConfigFileMissing);
        finding.text = key;
        finding.path = value->text;
        // Without an address file the server checks no address, and without
        // a user file it admits only anonymous users: either may well be
        // meant, and a new server has neither until its first account.
        if (finding.text == "IPFILE" || finding.text == "USRFILE")
            finding.severity = Severity::Warning;
    }
}

} // namespace

std::vector<CheckFinding> CheckDefinitionFiles(const CheckedFiles& files) {
    std::vector<CheckFinding> out;
    Findings findings(out);
    Accounts accounts;
    for (const std::string& file : files.userFiles)
        checkUserFile(findings, file, accounts);
    for (const std::string& file : files.allowFiles)
        checkAllowFile(findings, file, accounts);
    for (const std::string& file : files.vfsFiles)
        checkVfsFile(findings, file, accounts);
    for (const std::string& file : files.configFiles)
        checkConfigFile(findings, files.directory, file);
    if (!files.startupList.empty())
        checkStartupList(findings, files.directory, files.startupList);
    std::stable_sort(out.begin(), out.end(), [](const CheckFinding& a, const CheckFinding& b) {
        return std::tie(a.file, a.line) < std::tie(b.file, b.line);
    });
    return out;
}

} // namespace vantor
