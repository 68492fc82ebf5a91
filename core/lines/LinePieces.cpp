#include "core/lines/LinePieces.h"

#include "core/lines/FileSystem.h"
#include "core/lines/WholeFile.h"

#include <algorithm>
#include <bit>
#include <cstdint>
#include <cstring>
#include <stdexcept>

namespace vantor {

namespace {

// A hash for the table below, eight bytes a step: lines of a definition file
// are short and many, and std::hash costs more per byte. The last steps mix
// the high bits into the low ones, which pick the slot.
std::size_t hashOf(std::string_view piece) {
    std::uint64_t hash = piece.size();
    const auto step = [&](std::uint64_t word) {
        hash = (std::rotl(hash, 5) ^ word) * 0x517cc1b727220a95u;
    };
    std::size_t at = 0;
    for (; at + 8 <= piece.size(); at += 8) {
        std::uint64_t word = 0;
        std::memcpy(&word, piece.data() + at, 8);
        step(word);
    }
    if (at < piece.size()) {
        std::uint64_t word = 0;
        std::memcpy(&word, piece.data() + at, piece.size() - at);
        step(word);
    }
    hash ^= hash >> 29;
    hash *= 0xbf58476d1ce4e5b9u;
    return static_cast<std::size_t>(hash ^ (hash >> 32));
}

// Views of the pieces met so far, for the repeat check: open addressing over a
// power-of-two table at most half full, each slot holding part of the hash (so
// most mismatches cost no byte comparison) and the piece's number plus one.
class PieceSet {
public:
    PieceSet(std::vector<std::string_view>& pieces, std::size_t expected) : pieces_(pieces) {
        resize(expected);
    }

    // Keeps the piece when it is new; a repeat is dropped.
    void offer(std::string_view piece) {
        if (2 * (pieces_.size() + 1) > slots_.size())
            resize(pieces_.size() + 1);
        const std::size_t hash = hashOf(piece);
        const auto tag = static_cast<std::uint32_t>(hash >> 32);
        std::size_t index = hash & mask_;
        for (;; index = (index + 1) & mask_) {
            const Slot& slot = slots_[index];
            if (slot.piece == 0)
                break;
            if (slot.tag == tag && pieces_[slot.piece - 1] == piece)
                return;
        }
        if (pieces_.size() >= UINT32_MAX - 1)
            throw std::length_error("too many lines");
        pieces_.push_back(piece);
        slots_[index] = {tag, static_cast<std::uint32_t>(pieces_.size())};
    }

private:
    struct Slot {
        std::uint32_t tag;
        std::uint32_t piece; // 0: free
    };

    void resize(std::size_t wanted) {
        std::size_t size = 16;
        while (size < 2 * wanted)
            size *= 2;
        slots_.assign(size, Slot{0, 0});
        mask_ = size - 1;
        for (std::size_t i = 0; i < pieces_.size(); ++i) {
            const std::size_t hash = hashOf(pieces_[i]);
            std::size_t index = hash & mask_;
            while (slots_[index].piece != 0)
                index = (index + 1) & mask_;
            slots_[index] = {static_cast<std::uint32_t>(hash >> 32),
                             static_cast<std::uint32_t>(i + 1)};
        }
    }

    std::vector<std::string_view>& pieces_;
    std::vector<Slot> slots_;
    std::size_t mask_ = 0;
};

// A search per line, each a fast memchr, costs less than a test of every byte
// when lines are as long as a definition file's.
std::size_t countLines(std::string_view text) {
    std::size_t lines = 1;
    for (std::size_t feed = text.find('\n'); feed != std::string_view::npos;
         feed = text.find('\n', feed + 1))
        ++lines;
    return lines;
}

} // namespace

std::vector<std::string_view> DistinctLinePieces(std::string_view text) {
    const std::size_t lines = countLines(text);
    std::vector<std::string_view> pieces;
    pieces.reserve(lines);
    PieceSet seen(pieces, lines);
    ForEachLinePiece(text, [&](std::string_view piece) { seen.offer(piece); });
    return pieces;
}

FileLines ReadFileLines(const std::string& fileName) {
    FileLines file;
    if (!fileName.empty())
        file.bytes = ReadDefinitionFile(fileName).bytes;
    file.lines = DistinctLinePieces(file.bytes);
    return file;
}

std::string JoinLines(const std::vector<std::string_view>& lines, std::string_view tail) {
    std::size_t total = tail.size();
    for (const std::string_view line : lines)
        total += line.size() + 2;
    std::string bytes;
    bytes.reserve(total);
    for (const std::string_view line : lines) {
        bytes += line;
        bytes += "\r\n";
    }
    bytes += tail;
    return bytes;
}

} // namespace vantor
