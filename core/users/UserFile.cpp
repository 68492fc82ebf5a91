#include "core/users/UserFile.h"

#include "core/lines/FileChange.h"
#include "core/lines/FileSystem.h"
#include "core/lines/LinePieces.h"
#include "core/lines/WholeFile.h"
#include "core/users/Validation.h"

#include <algorithm>
#include <cstdint>
#include <optional>
#include <unordered_set>

namespace vantor {

namespace {

bool namesUser(std::string_view line, std::string_view name) {
    // Field 1 begins every line, so only a line that begins with the name
    // needs the field taken out.
    return line.starts_with(name) && UserNameOf(line) == name;
}

// Field 4 (the group) as ExtractField takes it: the text behind the third
// separator up to the next one; nothing when the line has fewer separators.
std::optional<std::string_view> groupFieldOf(std::string_view line) {
    std::size_t from = 0;
    for (int i = 0; i < 3; ++i) {
        const std::size_t separator = line.find(kUserFieldSeparator, from);
        if (separator == std::string_view::npos)
            return std::nullopt;
        from = separator + 1;
    }
    return line.substr(from, line.find(kUserFieldSeparator, from) - from);
}

// A *.user file as the list it reads into, edited without building that list:
// the file's lines are walked in list order as views into its bytes, and the
// result is written in one buffer. It yields the same bytes as reading the file
// into a list, removing the first line of the account and writing the list.
class UserFileEdit {
public:
    explicit UserFileEdit(FileChange& file)
        : file_(file), pieces_(DistinctLinePieces(file.bytes())) {}

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

    // The remaining lines in list order, with `inserted` directly behind the
    // first of them (or alone) unless it is empty.
    std::string result(std::string_view inserted = {}) const {
        std::string out;
        out.reserve(file_.bytes().size() + 2 * pieces_.size() + inserted.size() + 2);
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
        return out;
    }

    // Writes the result; when asked, `readBack` then holds the written bytes
    // as a reading of the file takes them, and `stamp` the file written.
    void write(std::string_view inserted = {}, TextLineList* readBack = nullptr,
               FileStamp* stamp = nullptr) const {
        const std::string out = result(inserted);
        file_.write(out);
        if (readBack != nullptr)
            *readBack = readLines(out);
        if (stamp != nullptr)
            *stamp = file_.stamp();
    }

private:
    static constexpr std::size_t kNone = SIZE_MAX;

    // What ReadLineList makes of these bytes, without a trip to the disk.
    static TextLineList readLines(std::string_view bytes) {
        TextLineList lines;
        lines.reserve(static_cast<std::size_t>(std::count(bytes.begin(), bytes.end(), '\n')) + 1,
                      bytes.size());
        ForEachLinePiece(bytes, [&](std::string_view piece) { lines.add(piece); });
        return lines;
    }

    // The list holds the first piece first and the others last to first.
    std::size_t pieceAt(std::size_t position) const {
        return position == 0 ? 0 : pieces_.size() - position;
    }

    FileChange& file_;
    std::vector<std::string_view> pieces_;
    std::size_t dropped_[2] = {kNone, kNone};
};

} // namespace

ReadingLoss LoadUserLineList(const std::string& userFile, TextLineList& userLines,
                             FileStamp* stamp) {
    userLines.clear();
    return ReadLineList(userFile, userLines, stamp);
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
    std::unordered_set<std::string_view> met;
    for (const std::string_view line : userLines) {
        const auto group = groupFieldOf(line);
        if (group && !group->empty() && met.insert(*group).second)
            groups.emplace_back(*group);
    }
    return groups;
}

namespace {

bool storeLine(const std::string& userFile, const std::string& name, const std::string& line,
               TextLineList* readBack, FileStamp* stamp, const WriteConsent& consent) {
    if (const InputRule rule = CheckUserLineText(name, line); rule != InputRule::Ok)
        throw InvalidInput(rule);
    FileChange::Options options = UserFileChange(consent);
    options.stamped = stamp != nullptr;
    FileChange file(userFile, options);
    UserFileEdit edit(file);
    const bool replaced = edit.dropAccount(name, line);
    edit.write(line, readBack, stamp);
    return replaced;
}

bool storeAccount(const std::string& userFile, const UserLine& user, TextLineList* readBack,
                  FileStamp* stamp, const WriteConsent& consent) {
    if (const InputRule rule = CheckUserLine(user); rule != InputRule::Ok)
        throw InvalidInput(rule);
    return storeLine(userFile, user.name, FormatUserLine(user), readBack, stamp, consent);
}

} // namespace

bool AddUserLine(const std::string& userFile, const UserLine& user, const WriteConsent& consent) {
    const std::string line = FormatUserLine(user);
    if (const InputRule rule = CheckUserLine(user, line); rule != InputRule::Ok)
        throw InvalidInput(rule);
    if (const InputRule rule = CheckUserLineText(user.name, line); rule != InputRule::Ok)
        throw InvalidInput(rule);
    FileChange file(userFile, UserFileChange(consent));
    UserFileEdit edit(file);
    if (edit.dropAccount(user.name))
        return false;
    edit.write(line);
    return true;
}

namespace {

void removeAccount(const std::string& userFile, const std::string& name, TextLineList* readBack,
                   FileStamp* stamp, const WriteConsent& consent) {
    FileChange::Options options = UserFileChange(consent);
    options.stamped = stamp != nullptr;
    FileChange file(userFile, options);
    UserFileEdit edit(file);
    edit.dropAccount(name);
    edit.write({}, readBack, stamp);
}

} // namespace

bool StoreUserLine(const std::string& userFile, const std::string& name, const std::string& line,
                   const WriteConsent& consent) {
    return storeLine(userFile, name, line, nullptr, nullptr, consent);
}

bool StoreUserLine(const std::string& userFile, const UserLine& user) {
    return storeAccount(userFile, user, nullptr, nullptr, {});
}

bool StoreUserLine(const std::string& userFile, const UserLine& user, TextLineList& userLines,
                   FileStamp* stamp, const WriteConsent& consent) {
    return storeAccount(userFile, user, &userLines, stamp, consent);
}

void RemoveUserLine(const std::string& userFile, const std::string& name,
                    const WriteConsent& consent) {
    removeAccount(userFile, name, nullptr, nullptr, consent);
}

void RemoveUserLine(const std::string& userFile, const std::string& name, TextLineList& userLines,
                    FileStamp* stamp, const WriteConsent& consent) {
    removeAccount(userFile, name, &userLines, stamp, consent);
}

std::string UserFileWith(FileChange& userFile, const std::string& name, const std::string& line) {
    if (const InputRule rule = CheckUserLineText(name, line); rule != InputRule::Ok)
        throw InvalidInput(rule);
    UserFileEdit edit(userFile);
    edit.dropAccount(name, line);
    return edit.result(line);
}

std::string UserFileWithout(FileChange& userFile, const std::string& name) {
    UserFileEdit edit(userFile);
    edit.dropAccount(name);
    return edit.result();
}

FileChange::Options UserFileChange(const WriteConsent& consent) {
    FileChange::Options options = LineFileChange(consent);
    options.newFileMode = kUserFileMode;
    return options;
}

bool SaveUserLineList(const TextLineList& userLines, const std::string& userFile) {
    if (userLines.empty())
        return false;
    WriteLineList(userLines, userFile, kUserFileMode);
    return true;
}

} // namespace vantor
