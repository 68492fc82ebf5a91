#include "app/TextLineList.h"

#include "app/FileSystem.h"
#include "app/WholeFile.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <iterator>

namespace vantor {

FileError::FileError(const std::string& fileName, const std::string& reason)
    : std::runtime_error(fileName + ": " + reason), fileName_(fileName), reason_(reason) {}

FileError::FileError(const std::string& fileName, int errorNumber)
    : FileError(fileName, std::strerror(errorNumber)) {
    errorNumber_ = errorNumber;
}

TextLineList::TextLineList(const TextLineList& other) : lines_(other.lines_) {
    rebuildCounts();
}

TextLineList& TextLineList::operator=(const TextLineList& other) {
    if (this != &other) {
        lines_ = other.lines_;
        rebuildCounts();
    }
    return *this;
}

void TextLineList::rebuildCounts() {
    counts_.clear();
    counts_.reserve(lines_.size());
    for (const auto& line : lines_)
        count(line);
}

void TextLineList::count(const std::string& stored) {
    ++counts_[std::string_view(stored)];
}

void TextLineList::clear() {
    counts_.clear();
    lines_.clear();
}

bool TextLineList::contains(std::string_view line) const {
    return counts_.find(line) != counts_.end();
}

void TextLineList::append(const std::string& line) {
    lines_.push_back(line);
    count(lines_.back());
}

bool TextLineList::remove(std::string_view line) {
    if (!contains(line))
        return false;
    const auto removed = std::find(lines_.begin(), lines_.end(), line);
    auto entry = counts_.find(line);
    const std::size_t remaining = entry->second - 1;
    if (remaining == 0) {
        counts_.erase(entry);
    } else if (entry->first.data() == removed->data()) {
        // The key views the string about to go: a repeat further on takes over.
        const auto survivor = std::find(std::next(removed), lines_.end(), line);
        counts_.erase(entry);
        counts_.emplace(std::string_view(*survivor), remaining);
    } else {
        entry->second = remaining;
    }
    lines_.erase(removed);
    return true;
}

bool TextLineList::add(const std::string& line) {
    return add(std::string(line));
}

bool TextLineList::add(std::string&& line) {
    // One lookup per line: the line goes in first, so the table can key on
    // the stored copy, and comes out again when it was already held.
    auto where = lines_.empty() ? lines_.end() : std::next(lines_.begin());
    auto stored = lines_.insert(where, std::move(line));
    if (!counts_.try_emplace(std::string_view(*stored), 1).second) {
        lines_.erase(stored);
        return false;
    }
    return true;
}

void TextLineList::reserve(std::size_t lines) {
    counts_.reserve(lines);
}

std::vector<std::string> TextLineList::lines() const {
    return {lines_.begin(), lines_.end()};
}

void ReadLineList(const std::string& fileName, TextLineList& list) {
    if (!SECFileSystem().FileExists(fileName))
        return;
    const std::string bytes = ReadWholeFile(fileName);

    // Text mode: a byte 0x1A ends the file and CR LF reads as LF. A line is
    // taken in pieces of at most 511 characters, as a 512-byte line buffer
    // delivers them; the line feed that would make a last piece of its own is
    // dropped with it.
    std::string_view text(bytes);
    text = text.substr(0, text.find('\x1A'));
    list.reserve(list.size() +
                 static_cast<std::size_t>(std::count(text.begin(), text.end(), '\n')) + 1);
    while (!text.empty()) {
        const std::size_t feed = text.find('\n');
        std::string_view line = text.substr(0, feed);
        text.remove_prefix(feed == std::string_view::npos ? text.size() : feed + 1);
        if (feed != std::string_view::npos && !line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        while (!line.empty()) {
            const std::string_view piece = line.substr(0, kMaxLinePiece);
            line.remove_prefix(piece.size());
            list.add(std::string(piece));
        }
    }
}

namespace {

std::string joinedLines(const TextLineList& list) {
    std::size_t total = 0;
    for (const auto& line : list)
        total += line.size() + 2;
    std::string bytes;
    bytes.reserve(total);
    for (const auto& line : list) {
        bytes += line;
        bytes += "\r\n";
    }
    return bytes;
}

} // namespace

void WriteLineList(const TextLineList& list, const std::string& fileName) {
    WriteFileAtomically(fileName, joinedLines(list));
}

void WriteLineList(const TextLineList& list, const std::string& fileName, unsigned newFileMode) {
    WriteFileAtomically(fileName, joinedLines(list), newFileMode);
}

bool HasLineBreak(std::string_view text) {
    return text.find_first_of("\r\n") != std::string_view::npos;
}

std::string JoinFields(std::initializer_list<std::string_view> fields, char delimiter) {
    std::size_t total = fields.size();
    for (std::string_view field : fields)
        total += field.size();
    std::string line;
    line.reserve(total);
    for (auto field = fields.begin(); field != fields.end(); ++field) {
        if (field != fields.begin())
            line += delimiter;
        line += *field;
    }
    return line;
}

bool ExtractField(int index, std::string_view source, std::string& output, char delimiter) {
    constexpr int kMaxPositions = 32;
    if (index < 0 || index >= kMaxPositions)
        return false;
    const std::size_t n = source.size();
    std::array<std::size_t, kMaxPositions> positions{};
    int k = 0;
    for (std::size_t i = 0; i < n && k <= index; ++i) {
        if (i + 1 == n && k == 0) {
            // A text with no delimiter before its last character is one field.
            positions[k++] = n;
            break;
        }
        if (source[i] == delimiter)
            positions[k++] = i;
    }
    if (index == 0) {
        output.assign(k == 0 ? source : source.substr(0, positions[0]));
        return true;
    }
    if (index < k) {
        const std::size_t from = positions[index - 1] + 1;
        output.assign(source.substr(from, positions[index] - from));
        return true;
    }
    if (index == k) {
        if (positions[index - 1] == n) {
            output.clear();
            return false;
        }
        output.assign(source.substr(positions[index - 1] + 1));
        return true;
    }
    return false;
}

} // namespace vantor
