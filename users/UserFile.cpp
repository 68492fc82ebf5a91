#include "users/UserFile.h"

#include "app/TextCase.h"
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

TextLineList::const_iterator findUser(const TextLineList& lines, std::string_view name) {
    for (auto it = lines.begin(); it != lines.end(); ++it)
        if (UserNameOf(*it) == name)
            return it;
    return lines.end();
}

// Removes the first line of the account; false when it has none.
bool removeUser(TextLineList& lines, std::string_view name) {
    const auto found = findUser(lines, name);
    if (found == lines.end())
        return false;
    lines.remove(*found);
    return true;
}

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
    TextLineList lines;
    ReadLineList(userFile, lines);
    const bool replaced = removeUser(lines, name);
    // A second line of the same name may already read exactly like the new
    // one; it goes too, so the stored line always lands behind the first line.
    lines.remove(line);
    lines.add(line);
    WriteLineList(lines, userFile, kUserFileMode);
    return replaced;
}

bool StoreUserLine(const std::string& userFile, const UserLine& user) {
    if (const InputRule rule = CheckUserLine(user); rule != InputRule::Ok)
        throw InvalidInput(rule);
    return StoreUserLine(userFile, user.name, FormatUserLine(user));
}

void RemoveUserLine(const std::string& userFile, const std::string& name) {
    TextLineList lines;
    ReadLineList(userFile, lines);
    removeUser(lines, name);
    WriteLineList(lines, userFile, kUserFileMode);
}

bool SaveUserLineList(const TextLineList& userLines, const std::string& userFile) {
    if (userLines.empty())
        return false;
    WriteLineList(userLines, userFile, kUserFileMode);
    return true;
}

} // namespace vantor
