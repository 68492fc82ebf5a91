#pragma once

#include "core/lines/TextLineList.h"

#include <string>
#include <string_view>
#include <vector>

namespace vantor {

// Calls `visit` with every piece a reader takes from the bytes of a file, in
// file order, repeats included. Text mode: a byte 0x1A ends the file and CR LF
// reads as LF. A line is taken in pieces of at most kMaxLinePiece characters,
// as a 512-byte line buffer delivers them; the line feed that would make a
// last piece of its own is dropped with it, and empty lines give no piece.
template <typename Visit> void ForEachLinePiece(std::string_view text, Visit&& visit) {
    text = text.substr(0, text.find('\x1A'));
    while (!text.empty()) {
        const std::size_t feed = text.find('\n');
        std::string_view line = text.substr(0, feed);
        text.remove_prefix(feed == std::string_view::npos ? text.size() : feed + 1);
        if (feed != std::string_view::npos && !line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        while (!line.empty()) {
            const std::string_view piece = line.substr(0, kMaxLinePiece);
            line.remove_prefix(piece.size());
            visit(piece);
        }
    }
}

// The distinct pieces of a file's bytes in the order of their first arrival,
// as views into `text`: the lines ReadLineList adds to an empty list. That
// list holds them as the first one, then the others from the last backwards.
// An edit that reads, changes and rewrites a file works on these views, so the
// file's bytes are copied only once, into the result.
std::vector<std::string_view> DistinctLinePieces(std::string_view text);

// A file's distinct lines in file order, as views into its bytes: what a
// listing shows and an edit that keeps the file's order rewrites. A file that
// does not exist has none; one that cannot be read raises FileError.
struct FileLines {
    std::string bytes;
    std::vector<std::string_view> lines;
};
FileLines ReadFileLines(const std::string& fileName);

// The lines joined, each followed by CR LF, as every line file is written,
// then `tail` as it is.
std::string JoinLines(const std::vector<std::string_view>& lines, std::string_view tail = {});

} // namespace vantor
