#include "core/users/AccountImport.h"

#include "core/lines/FileChange.h"
#include "core/lines/LinePieces.h"
#include "core/users/UserFile.h"

#include <memory_resource>
#include <unordered_map>

namespace vantor {

namespace {

// The length of field 1 as ExtractField takes it apart.
std::size_t nameLength(std::string_view line) {
    const std::size_t separator = line.find(kUserFieldSeparator);
    // A line whose only separator ends it is one field, separator and all.
    if (separator == std::string_view::npos || separator + 1 == line.size())
        return line.size();
    return separator;
}

} // namespace

ImportResult ImportAccounts(const std::string& userFile, const ImportRowSource& nextRow,
                            bool update, const std::function<bool()>& write,
                            const WriteConsent& consent) {
    FileChange change(userFile, UserFileChange(consent));
    FileLines file{{}, DistinctLinePieces(change.bytes())};

    // An account is the first line of its name in the order a reading lists
    // the lines: the file's first line, then the others from the last up.
    // The names are views into the file's bytes, which outlive the map.
    std::unordered_map<std::string_view, std::size_t> accounts;
    accounts.reserve(file.lines.size());
    for (std::size_t position = 0; position < file.lines.size(); ++position) {
        const std::size_t at = position == 0 ? 0 : file.lines.size() - position;
        const std::string_view line = file.lines[at];
        accounts.try_emplace(line.substr(0, nameLength(line)), at);
    }

    ImportResult result;
    // The names met so far, their texts and nodes in one arena that goes in
    // one piece.
    std::pmr::monotonic_buffer_resource arena;
    std::pmr::unordered_map<std::string_view, std::size_t> rowOfName(&arena);
    std::vector<std::string> lines(file.lines.size()); // replacements, by position
    std::string added;                                 // the new lines, each ending in CR LF
    // Room for as many new lines again as the file holds, of the same length.
    added.reserve(change.bytes().size() + 4096);
    std::string line;
    ImportRow row;
    // One account for every row, so that its texts keep their room.
    const UserLine fresh = NewUserLine({});
    UserLine account;
    while (nextRow(row)) {
        const std::string& name = row.fields.values.name;
        const auto earlier = rowOfName.find(name);
        if (earlier != rowOfName.end()) {
            result.problems.push_back({row.line, ImportProblem::Kind::NameRepeated, InputRule::Ok,
                                       earlier->second, name});
            continue;
        }
        auto* kept = static_cast<char*>(arena.allocate(name.size(), 1));
        rowOfName.emplace(std::string_view(kept, name.copy(kept, name.size())), row.line);
        const auto existing = accounts.find(name);
        if (existing != accounts.end() && !update) {
            result.problems.push_back(
                {row.line, ImportProblem::Kind::NameExists, InputRule::Ok, 0, name});
            continue;
        }
        account = fresh;
        account.name = name;
        if (existing != accounts.end())
            ParseUserLine(file.lines[existing->second], account);
        ApplyAccountFields(row.fields, account);
        line.clear();
        AppendUserLine(account, line);
        if (const InputRule rule = CheckUserLine(account, line); rule != InputRule::Ok) {
            result.problems.push_back({row.line, ImportProblem::Kind::Invalid, rule, 0, name});
            continue;
        }
        if (existing == accounts.end()) {
            result.added.push_back(name);
            added += line;
            added += "\r\n";
        } else if (line != file.lines[existing->second]) {
            result.changed.push_back(name);
            lines[existing->second] = line;
        } else {
            result.left.push_back(name);
        }
    }

    if (!result.problems.empty() || !write() || (result.added.empty() && result.changed.empty()))
        return result;
    for (std::size_t i = 0; i < lines.size(); ++i)
        if (!lines[i].empty())
            file.lines[i] = lines[i];
    // The file's lines, then the new ones, in one buffer and one write.
    change.write(JoinLines(file.lines, added));
    result.written = true;
    return result;
}

} // namespace vantor
