#pragma once

#include "core/lines/Errors.h"

#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <iterator>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace vantor {

// The in-memory form of every line-oriented definition file: an ordered list
// of byte strings. The list itself may hold repeats (append does not check),
// but add() and the readers never add a line that is already there.
//
// A file may hold 100,000 lines, so no line gets a node or an allocation of its
// own: all bytes sit in one growing buffer, each line is an (offset, length)
// record in arrival order, and an open-addressing table of 8-byte slots (a
// record number and 32 bits of the line's hash, so most mismatches cost no
// byte comparison) answers contains() and the repeat check. The list order
// (first line, then the added lines newest first, then the appended ones) is
// walked straight from two index arrays. Removal leaves the record's bytes in
// place, which keeps the table's views valid, and the buffer is compacted once
// dead records outnumber the live ones. Iterators and views are valid until the
// list next changes.
class TextLineList {
public:
    class const_iterator {
    public:
        using iterator_category = std::input_iterator_tag;
        using iterator_concept = std::forward_iterator_tag;
        using value_type = std::string_view;
        using difference_type = std::ptrdiff_t;
        using reference = std::string_view;
        using pointer = void;

        const_iterator() = default;
        std::string_view operator*() const { return list_->viewOf(list_->recordAt(position_)); }
        const_iterator& operator++() {
            position_ = list_->liveFrom(position_ + 1);
            return *this;
        }
        const_iterator operator++(int) {
            const_iterator before = *this;
            ++*this;
            return before;
        }
        bool operator==(const const_iterator& other) const = default;

    private:
        friend class TextLineList;
        const_iterator(const TextLineList* list, std::size_t position)
            : list_(list), position_(position) {}
        const TextLineList* list_ = nullptr;
        std::size_t position_ = 0;
    };

    TextLineList() = default;
    TextLineList(const TextLineList&) = default;
    TextLineList& operator=(const TextLineList&) = default;
    TextLineList(TextLineList&& other) noexcept;
    TextLineList& operator=(TextLineList&& other) noexcept;

    bool empty() const { return size_ == 0; }
    std::size_t size() const { return size_; }
    void clear();
    bool contains(std::string_view line) const;
    void append(std::string_view line);
    // Removes the first entry equal to the line; false when there is none.
    bool remove(std::string_view line);
    // Removes the entry an iterator of this list points at, as remove() would.
    void erase(const_iterator entry);
    // The insertion rule shared by every reader: an entry already held is not
    // added again, the first entry stays first and each new one goes directly
    // behind it. False when the line was already held.
    bool add(std::string_view line);
    std::vector<std::string> lines() const;
    // Room for this many more distinct lines (and bytes) without growing.
    void reserve(std::size_t lines, std::size_t bytes = 0);
    // Adds every piece a reader takes from a file's bytes (see LinePieces.h) by
    // the insertion rule. An empty list keeps the bytes themselves and refers
    // to the pieces where they lie, so the content is not copied a second time.
    void addLinePieces(std::string fileBytes);

    const_iterator begin() const { return {this, liveFrom(0)}; }
    const_iterator end() const { return {this, positions()}; }

private:
    static constexpr std::uint32_t kNone = UINT32_MAX;
    struct Record {
        std::size_t offset;
        std::uint32_t length;
        // Entries holding these bytes, kept on the record the table refers to;
        // 0 there: the bytes are known but no entry holds them.
        std::uint32_t count;
    };
    struct Slot {
        std::uint32_t tag;    // the low 32 bits of the line's hash
        std::uint32_t record; // kNone: the slot is free
    };

    // Position 0 is the first entry, then added_ from its back, then appended_.
    // A vacant position (kNone) is an entry removed since the last compaction.
    std::size_t positions() const { return 1 + added_.size() + appended_.size(); }
    std::uint32_t recordAt(std::size_t position) const;
    std::uint32_t& recordAt(std::size_t position);
    std::size_t liveFrom(std::size_t position) const;
    std::string_view viewOf(std::uint32_t record) const {
        return std::string_view(bytes_).substr(records_[record].offset, records_[record].length);
    }

    static std::uint32_t tagOf(std::string_view line);
    // The slot holding these bytes, or the free slot where they would go.
    std::size_t probe(std::string_view line, std::uint32_t tag) const;
    Slot& slotFor(std::string_view line, std::uint32_t tag);
    void countRecord(std::uint32_t record);
    void adoptLinePieces(std::string fileBytes);
    void splitAdopted(std::string fileBytes);
    std::uint32_t store(std::string_view line);
    void growTable(std::size_t distinct);
    void place(std::uint32_t record, bool behindFirst);
    void compact();

    std::string bytes_;
    std::vector<Record> records_;
    std::uint32_t first_ = kNone;
    std::vector<std::uint32_t> added_;    // in arrival order, walked backwards
    std::vector<std::uint32_t> appended_; // in arrival order
    std::vector<Slot> table_;             // a power of two long, at most half used
    std::size_t used_ = 0;                // table slots that hold a record
    std::size_t size_ = 0;
    std::size_t dead_ = 0; // removed records whose bytes are still in the buffer
};

// The longest piece a reader takes from one line; a longer line arrives as
// several entries.
inline constexpr std::size_t kMaxLinePiece = 511;

// What a reading of these bytes loses; the pieces read are not changed by it.
ReadingLoss FindReadingLoss(std::string_view fileBytes);

struct FileStamp;

// Fills the list from a file by the insertion rule. A name that names nothing
// (the empty name included) leaves the list as it is; a name that exists but
// cannot be read raises FileError. CR LF and LF both end a line, a byte 0x1A
// ends the file, empty lines are skipped. Returns where the reading lost
// content, as the server's own reader loses it too. When asked, `stamp` tells
// what was read (a missing file included), for an editor that checks before it
// writes.
ReadingLoss ReadLineList(const std::string& fileName, TextLineList& list,
                         FileStamp* stamp = nullptr);

// Every entry followed by CR LF: the bytes a list is written as.
std::string LineListBytes(const TextLineList& list);

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
// True when the text holds a byte 0x1A, which ends a file for every reader of
// the definition files, or a NUL, which ends a text for the server.
bool HasEndOfFileByte(std::string_view text);

// The fields joined by the delimiter: the line ExtractField takes apart.
std::string JoinFields(std::initializer_list<std::string_view> fields, char delimiter);

} // namespace vantor
