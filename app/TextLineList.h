#pragma once

#include <cstddef>
#include <initializer_list>
#include <list>
#include <stdexcept>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace vantor {

// A file could not be opened, read, created or written. Raised by the core and
// caught at the boundary of each user action, which names the file to the user.
class FileError : public std::runtime_error {
public:
    FileError(const std::string& fileName, const std::string& reason);
    // The system's error number says why; the dialogs tell it in the user's language.
    FileError(const std::string& fileName, int errorNumber);
    const std::string& fileName() const noexcept { return fileName_; }
    const std::string& reason() const noexcept { return reason_; }
    int errorNumber() const noexcept { return errorNumber_; } // 0 when only a reason is known

private:
    std::string fileName_;
    std::string reason_;
    int errorNumber_ = 0;
};

// The in-memory form of every line-oriented definition file: an ordered list
// of byte strings. The list itself may hold repeats (append does not check),
// but add() and the readers never add a line that is already there.
// Lookups go through a count table so that reading a file stays linear.
class TextLineList {
public:
    using const_iterator = std::list<std::string>::const_iterator;

    TextLineList() = default;
    TextLineList(const TextLineList& other);
    TextLineList& operator=(const TextLineList& other);
    TextLineList(TextLineList&&) noexcept = default;
    TextLineList& operator=(TextLineList&&) noexcept = default;

    bool empty() const { return lines_.empty(); }
    std::size_t size() const { return lines_.size(); }
    void clear();
    bool contains(std::string_view line) const;
    void append(const std::string& line);
    // Removes the first entry equal to the line; false when there is none.
    bool remove(std::string_view line);
    // The insertion rule shared by every reader: an entry already held is not
    // added again, the first entry stays first and each new one goes directly
    // behind it. False when the line was already held.
    bool add(const std::string& line);
    bool add(std::string&& line);
    std::vector<std::string> lines() const;
    // Room for this many distinct lines without growing the lookup table.
    void reserve(std::size_t lines);

    const_iterator begin() const { return lines_.begin(); }
    const_iterator end() const { return lines_.end(); }

private:
    void count(const std::string& stored);
    void rebuildCounts();

    // std::list keeps element addresses stable, so the count table may key on
    // views into the stored strings.
    std::list<std::string> lines_;
    std::unordered_map<std::string_view, std::size_t> counts_;
};

// The longest piece a reader takes from one line; a longer line arrives as
// several entries.
inline constexpr std::size_t kMaxLinePiece = 511;

// Fills the list from a file by the insertion rule. A name that names nothing
// (the empty name included) leaves the list as it is; a name that exists but
// cannot be read raises FileError. CR LF and LF both end a line, a byte 0x1A
// ends the file, empty lines are skipped.
void ReadLineList(const std::string& fileName, TextLineList& list);

// Writes every entry followed by CR LF, replacing the file as one step: the old
// content stays whole when the write fails (FileError).
void WriteLineList(const TextLineList& list, const std::string& fileName);
// As above; newFileMode gives the permission bits of a file that does not exist yet.
void WriteLineList(const TextLineList& list, const std::string& fileName, unsigned newFileMode);

// Field `index` (from 0) of a text split at `delimiter`. The last field runs to
// the end of the text; a text with no delimiter before its last character is a
// single field. False, with the output unchanged, when the field does not exist
// (the output is emptied in the one case where the text ends right at the field).
bool ExtractField(int index, std::string_view source, std::string& output, char delimiter);

// True when the text holds a CR or LF, which would split it over two lines of
// any definition file.
bool HasLineBreak(std::string_view text);

// The fields joined by the delimiter: the line ExtractField takes apart.
std::string JoinFields(std::initializer_list<std::string_view> fields, char delimiter);

} // namespace vantor
