#include "users/UserFile.h"

#include "app/FileSystem.h"
#include "app/LinePieces.h"
#include "app/TextCase.h"
#include "app/WholeFile.h"
#include "users/Validation.h"

#include <cstdint>
#include <unordered_map>

namespace vantor {

namespace {

// The beginnings of every name added so far, letter case ignored, as a trie
// whose edges live in one hash table: adding and asking both cost the length
// of the name, however many names are held.
class PrefixIndex {
public:
    void add(std::string_view name) {
        std::uint64_t node = 0;
        for (char c : name) {
            const auto [edge, added] = edges_.try_emplace(key(node, c), nextNode_);
            if (added)
                ++nextNode_;
            node = edge->second;
        }
    }

    // True when some name added so far begins with `text`.
    bool beginsSome(std::string_view text) const {
        std::uint64_t node = 0;
        for (char c : text) {
            const auto edge = edges_.find(key(node, c));
            if (edge == edges_.end())
                return false;
            node = edge->second;
        }
        return true;
    }

private:
    static std::uint64_t key(std::uint64_t node, char c) {
        return node << 8 | static_cast<unsigned char>(FoldCase(c));
    }

    std::unordered_map<std::uint64_t, std::uint64_t> edges_;
    std::uint64_t nextNode_ = 1;
};

bool namesUser(std::string_view line, std::string_view name) {
    // Field 1 begins every line, so only a line that begins with the name
    // needs the field taken out.
    return line.starts_with(name) && UserNameOf(line) == name;
}

// A *.user file as the list it reads into, edited without building that list:
// the file's lines are walked in list order as views into its bytes, and the
// result is written in one buffer. It yields the same bytes as reading the file
// into a list, removing the first line of the account and writing the list.
class UserFileEdit {
public:
    explicit UserFileEdit(const std::string& userFile) : userFile_(userFile) {
        if (SECFileSystem().FileExists(userFile))
            bytes_ = ReadWholeFile(userFile);
        pieces_ = DistinctLinePieces(bytes_);
    }

    // Drops the first line of the account in list order and, further on,
    // the line that reads exactly like `sameAs`: a second line of the name
    // may already be the very line about to be stored. No line of a file is
    // empty, so an empty `sameAs` stands for none. False when the account has
    // no line.
    bool dropAccount(std::string_view name, std::string_view sameAs = {}) {
        bool found = false;
        for (std::size_t position = 0; position < pieces_.size(); ++position) {
            const std::size_t piece = pieceAt(position);
            if (!namesUser(pieces_[piece], name))
                continue;
            if (!found) {
                dropped_[0] = piece;
                found = true;
                if (sameAs.empty())
                    break;
            } else if (pieces_[piece] == sameAs) {
                dropped_[1] = piece;
                break;
            }
        }
        return found;
    }

    // Writes the remaining lines in list order, with `inserted` directly
    // behind the first of them (or alone) unless it is empty.
    void write(std::string_view inserted = {}) const {
        std::string out;
        out.reserve(bytes_.size() + 2 * pieces_.size() + inserted.size() + 2);
        bool first = true;
        for (std::size_t position = 0; position < pieces_.size(); ++position) {
            const std::size_t piece = pieceAt(position);
            if (piece == dropped_[0] || piece == dropped_[1])
                continue;
            out += pieces_[piece];
            out += "\r\n";
            if (first && !inserted.empty()) {
                out += inserted;
                out += "\r\n";
            }
            first = false;
        }
        if (first && !inserted.empty()) {
            out += inserted;
            out += "\r\n";
        }
        WriteFileAtomically(userFile_, out, kUserFileMode);
    }

private:
    static constexpr std::size_t kNone = SIZE_MAX;

    // The list holds the first piece first and the others last to first.
    std::size_t pieceAt(std::size_t position) const {
        return position == 0 ? 0 : pieces_.size() - position;
    }

    const std::string& userFile_;
    std::string bytes_;
    std::vector<std::string_view> pieces_;
    std::size_t dropped_[2] = {kNone, kNone};
};

} // namespace

void LoadUserLineList(const std::string& userFile, TextLineList& userLines) {
    userLines.clear();
    ReadLineList(userFile, userLines);
}

std::vector<std::string> ListUserNames(const TextLineList& userLines) {
    std::vector<std::string> names;
    names.reserve(userLines.size());
    for (const auto& line : userLines)
        names.push_back(UserNameOf(line));
    return names;
}

std::vector<std::string> ListGroupNames(const TextLineList& userLines) {
    std::vector<std::string> groups;
    PrefixIndex listed;
    std::string group;
    for (const auto& line : userLines) {
        if (!ExtractField(3, line, group, kUserFieldSeparator) || group.empty())
            continue;
        if (listed.beginsSome(group))
            continue;
        listed.add(group);
        groups.push_back(group);
    }
    return groups;
}

bool StoreUserLine(const std::string& userFile, const std::string& name, const std::string& line) {
    if (const InputRule rule = CheckUserLineText(name, line); rule != InputRule::Ok)
        throw InvalidInput(rule);
    UserFileEdit edit(userFile);
    const bool replaced = edit.dropAccount(name, line);
    edit.write(line);
    return replaced;
}

bool StoreUserLine(const std::string& userFile, const UserLine& user) {
    if (const InputRule rule = CheckUserLine(user); rule != InputRule::Ok)
        throw InvalidInput(rule);
    return StoreUserLine(userFile, user.name, FormatUserLine(user));
}

void RemoveUserLine(const std::string& userFile, const std::string& name) {
    UserFileEdit edit(userFile);
    edit.dropAccount(name);
    edit.write();
}

bool SaveUserLineList(const TextLineList& userLines, const std::string& userFile) {
    if (userLines.empty())
        return false;
    WriteLineList(userLines, userFile, kUserFileMode);
    return true;
}

} // namespace vantor
