#include "core/lines/TextLineList.h"

#include "core/lines/FileStamp.h"
#include "core/lines/FileSystem.h"
#include "core/lines/LinePieces.h"
#include "core/lines/WholeFile.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <functional>
#include <utility>

namespace vantor {

TextLineList::TextLineList(TextLineList&& other) noexcept {
    *this = std::move(other);
}

TextLineList& TextLineList::operator=(TextLineList&& other) noexcept {
    if (this != &other) {
        bytes_ = std::move(other.bytes_);
        records_ = std::move(other.records_);
        first_ = other.first_;
        added_ = std::move(other.added_);
        appended_ = std::move(other.appended_);
        table_ = std::move(other.table_);
        used_ = other.used_;
        size_ = other.size_;
        dead_ = other.dead_;
        // A moved-from list reads as empty, not as a list whose buffers vanished.
        other.clear();
    }
    return *this;
}

void TextLineList::clear() {
    bytes_.clear();
    records_.clear();
    first_ = kNone;
    added_.clear();
    appended_.clear();
    table_.clear();
    used_ = 0;
    size_ = 0;
    dead_ = 0;
}

std::uint32_t TextLineList::recordAt(std::size_t position) const {
    if (position == 0)
        return first_;
    if (position <= added_.size())
        return added_[added_.size() - position];
    return appended_[position - added_.size() - 1];
}

std::uint32_t& TextLineList::recordAt(std::size_t position) {
    if (position == 0)
        return first_;
    if (position <= added_.size())
        return added_[added_.size() - position];
    return appended_[position - added_.size() - 1];
}

std::size_t TextLineList::liveFrom(std::size_t position) const {
    const std::size_t end = positions();
    while (position < end && recordAt(position) == kNone)
        ++position;
    return position;
}

std::uint32_t TextLineList::tagOf(std::string_view line) {
    return static_cast<std::uint32_t>(std::hash<std::string_view>{}(line));
}

std::size_t TextLineList::probe(std::string_view line, std::uint32_t tag) const {
    const std::size_t mask = table_.size() - 1;
    std::size_t index = tag & mask;
    while (table_[index].record != kNone &&
           (table_[index].tag != tag || viewOf(table_[index].record) != line))
        index = (index + 1) & mask;
    return index;
}

void TextLineList::growTable(std::size_t distinct) {
    std::size_t wanted = 16;
    while (wanted < 2 * distinct)
        wanted *= 2;
    if (table_.size() >= wanted)
        return;
    std::vector<Slot> old = std::exchange(table_, std::vector<Slot>(wanted, Slot{0, kNone}));
    used_ = 0;
    const std::size_t mask = wanted - 1;
    for (const Slot& slot : old) {
        // Bytes no entry holds any more need no lookup.
        if (slot.record == kNone || records_[slot.record].count == 0)
            continue;
        // The slots hold distinct lines, so the tag alone finds each a place.
        std::size_t index = slot.tag & mask;
        while (table_[index].record != kNone)
            index = (index + 1) & mask;
        table_[index] = slot;
        ++used_;
    }
}

TextLineList::Slot& TextLineList::slotFor(std::string_view line, std::uint32_t tag) {
    growTable(used_ + 1);
    return table_[probe(line, tag)];
}

bool TextLineList::contains(std::string_view line) const {
    if (table_.empty())
        return false;
    const Slot& slot = table_[probe(line, tagOf(line))];
    return slot.record != kNone && records_[slot.record].count > 0;
}

std::uint32_t TextLineList::store(std::string_view line) {
    if (records_.size() >= kNone)
        throw std::length_error("too many lines");
    if (line.size() > UINT32_MAX)
        throw std::length_error("line too long");
    const std::size_t offset = bytes_.size();
    const char* data = bytes_.data();
    if (std::less_equal<const char*>{}(data, line.data()) &&
        std::less<const char*>{}(line.data(), data + bytes_.size()))
        bytes_.append(std::string(line)); // the buffer may move while it grows
    else
        bytes_.append(line);
    records_.push_back({offset, static_cast<std::uint32_t>(line.size()), 0});
    return static_cast<std::uint32_t>(records_.size() - 1);
}

void TextLineList::place(std::uint32_t record, bool behindFirst) {
    ++size_;
    if (first_ == kNone)
        first_ = record;
    else if (behindFirst)
        added_.push_back(record);
    else
        appended_.push_back(record);
}

// The first record of some bytes takes their slot; a repeat only adds to the
// count of the record already there.
void TextLineList::countRecord(std::uint32_t record) {
    const std::string_view line = viewOf(record);
    const std::uint32_t tag = tagOf(line);
    Slot& slot = slotFor(line, tag);
    if (slot.record == kNone) {
        slot = {tag, record};
        records_[record].count = 1;
        ++used_;
    } else {
        ++records_[slot.record].count;
    }
}

void TextLineList::append(std::string_view line) {
    const std::uint32_t record = store(line);
    countRecord(record);
    place(record, false);
}

bool TextLineList::add(std::string_view line) {
    // One lookup per line: the slot found for the repeat check is the one filled.
    const std::uint32_t tag = tagOf(line);
    Slot& slot = slotFor(line, tag);
    if (slot.record != kNone && records_[slot.record].count > 0)
        return false;
    if (slot.record == kNone)
        ++used_;
    slot = {tag, store(line)};
    records_[slot.record].count = 1;
    place(slot.record, true);
    return true;
}

bool TextLineList::remove(std::string_view line) {
    if (!contains(line))
        return false;
    std::size_t position = liveFrom(0);
    while (viewOf(recordAt(position)) != line)
        position = liveFrom(position + 1);
    erase(const_iterator(this, position));
    return true;
}

void TextLineList::erase(const_iterator entry) {
    const std::size_t position = entry.position_;
    // The record's bytes stay until compaction, so the count table's view of
    // them, and a line viewing them, remain valid here.
    const std::string_view line = *entry;
    --records_[table_[probe(line, tagOf(line))].record].count;
    recordAt(position) = kNone;
    if (position == 0) {
        const std::size_t next = liveFrom(1);
        if (next < positions())
            first_ = std::exchange(recordAt(next), kNone);
    }
    --size_;
    ++dead_;
    if (size_ == 0)
        clear();
    else if (dead_ > 32 && dead_ > size_)
        compact();
}

void TextLineList::compact() {
    std::string bytes;
    std::vector<Record> records;
    records.reserve(size_);
    for (auto line : *this)
        records.push_back({0, static_cast<std::uint32_t>(line.size()), 0});
    std::size_t total = 0;
    for (Record& record : records) {
        record.offset = total;
        total += record.length;
    }
    bytes.reserve(total);
    for (auto line : *this)
        bytes.append(line);
    bytes_ = std::move(bytes);
    records_ = std::move(records);
    // Kept in list order, the first record leads and the rest follow as appended.
    first_ = 0;
    added_.clear();
    appended_.resize(size_ - 1);
    for (std::size_t i = 1; i < size_; ++i)
        appended_[i - 1] = static_cast<std::uint32_t>(i);
    dead_ = 0;
    table_.clear();
    used_ = 0;
    growTable(size_);
    for (std::uint32_t record = 0; record < records_.size(); ++record) {
        countRecord(record);
    }
}

void TextLineList::reserve(std::size_t lines, std::size_t bytes) {
    records_.reserve(records_.size() + lines);
    added_.reserve(added_.size() + lines);
    bytes_.reserve(bytes_.size() + bytes);
    growTable(used_ + lines);
}

std::vector<std::string> TextLineList::lines() const {
    std::vector<std::string> lines;
    lines.reserve(size_);
    for (std::string_view line : *this)
        lines.emplace_back(line);
    return lines;
}

void TextLineList::addLinePieces(std::string fileBytes) {
    if (records_.empty()) {
        adoptLinePieces(std::move(fileBytes));
        return;
    }
    const std::string_view text(fileBytes);
    reserve(static_cast<std::size_t>(std::count(text.begin(), text.end(), '\n')) + 1, text.size());
    ForEachLinePiece(text, [&](std::string_view piece) { add(piece); });
}

void TextLineList::adoptLinePieces(std::string fileBytes) {
    try {
        splitAdopted(std::move(fileBytes));
    } catch (...) {
        // Half-read pieces must not stay behind as a list.
        clear();
        throw;
    }
}

void TextLineList::splitAdopted(std::string fileBytes) {
    bytes_ = std::move(fileBytes);
    const std::string_view text(bytes_);
    // Every piece gets a record first, so the table is sized once from their
    // number and the second pass can look a few pieces ahead.
    records_.reserve(static_cast<std::size_t>(std::count(text.begin(), text.end(), '\n')) + 1);
    ForEachLinePiece(text, [&](std::string_view piece) {
        if (records_.size() >= kNone)
            throw std::length_error("too many lines");
        records_.push_back({static_cast<std::size_t>(piece.data() - text.data()),
                            static_cast<std::uint32_t>(piece.size()), 0});
    });
    const std::size_t pieces = records_.size();
    growTable(pieces);
    added_.reserve(pieces);

    // Each lookup is likely a cache miss in a table this size, so the slot of a
    // piece a few places on is fetched while the current one is decided.
    constexpr std::size_t kAhead = 8;
    std::array<std::uint32_t, kAhead> tags{};
    const std::size_t mask = table_.size() - 1;
    const auto fetch = [&](std::size_t piece) {
        const std::uint32_t tag = tagOf(viewOf(static_cast<std::uint32_t>(piece)));
        tags[piece % kAhead] = tag;
        __builtin_prefetch(&table_[tag & mask]);
    };
    for (std::size_t piece = 0; piece < std::min(kAhead, pieces); ++piece)
        fetch(piece);
    // Repeats are dropped by moving each new piece's record down to the next
    // free number, which never overtakes the pieces still to be read.
    std::uint32_t kept = 0;
    for (std::size_t piece = 0; piece < pieces; ++piece) {
        const std::uint32_t tag = tags[piece % kAhead];
        const Record record = records_[piece];
        if (piece + kAhead < pieces)
            fetch(piece + kAhead);
        Slot& slot =
            table_[probe(std::string_view(bytes_).substr(record.offset, record.length), tag)];
        if (slot.record != kNone)
            continue;
        records_[kept] = {record.offset, record.length, 1};
        slot = {tag, kept};
        ++used_;
        place(kept, true);
        ++kept;
    }
    records_.resize(kept);
}

ReadingLoss FindReadingLoss(std::string_view text) {
    const std::size_t endByte = text.find('\x1A');
    const std::string_view read = text.substr(0, endByte);
    std::size_t line = 1;
    for (std::size_t from = 0; from < read.size(); ++line) {
        const std::size_t feed = read.find('\n', from);
        std::size_t length = (feed == std::string_view::npos ? read.size() : feed) - from;
        // A CR is dropped only before a line feed, as the pieces drop it.
        if (feed != std::string_view::npos && length > 0 && read[feed - 1] == '\r')
            --length;
        if (length > kMaxLinePiece)
            return {ReadingLoss::Kind::SplitLongLine, line};
        if (feed == std::string_view::npos)
            break;
        from = feed + 1;
    }
    // An end byte followed by nothing but line ends and more end bytes, as old
    // editors leave at the end of a file, loses no text.
    if (endByte != std::string_view::npos &&
        text.find_first_not_of("\r\n\x1A", endByte) != std::string_view::npos)
        return {ReadingLoss::Kind::StoppedAtEndByte, line};
    return {};
}

ReadingLoss ReadLineList(const std::string& fileName, TextLineList& list, FileStamp* stamp) {
    FileContent content;
    if (!fileName.empty())
        content = ReadDefinitionFile(fileName, stamp != nullptr);
    if (stamp != nullptr)
        *stamp = content.stamp;
    const ReadingLoss loss = FindReadingLoss(content.bytes);
    list.addLinePieces(std::move(content.bytes));
    return loss;
}

std::string LineListBytes(const TextLineList& list) {
    std::size_t total = 0;
    for (std::string_view line : list)
        total += line.size() + 2;
    std::string bytes;
    bytes.reserve(total);
    for (std::string_view line : list) {
        bytes += line;
        bytes += "\r\n";
    }
    return bytes;
}

void WriteLineList(const TextLineList& list, const std::string& fileName) {
    WriteFileAtomically(fileName, LineListBytes(list));
}

void WriteLineList(const TextLineList& list, const std::string& fileName, unsigned newFileMode) {
    WriteFileAtomically(fileName, LineListBytes(list), newFileMode);
}

// One pass over the bytes each: find_first_of would search its set of
// characters anew for every byte of the text.
bool HasLineBreak(std::string_view text) {
    return std::any_of(text.begin(), text.end(), [](char c) { return c == '\r' || c == '\n'; });
}

bool HasEndOfFileByte(std::string_view text) {
    return std::any_of(text.begin(), text.end(), [](char c) { return c == '\x1A' || c == '\0'; });
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
