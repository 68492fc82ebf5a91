#pragma once

#include "core/lines/Errors.h"
#include "core/lines/FileChange.h"

#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vantor {

// An INI-style file edited with the effect of the classic profile-string
// writer: sections and keys match ignoring case and the blanks around their
// names, a replaced key keeps its place, a new key goes to the end of its
// section, a missing section is appended, and every other byte of the file
// stays as it was. Written lines end in CR LF.
class IniFile {
public:
    // A missing file reads as empty; an unreadable one raises FileError.
    static IniFile load(const std::string& fileName);
    static IniFile parse(const std::string& bytes);
    // The options of a change of an INI file: every byte is kept, so no
    // reading of it loses any.
    static FileChange::Options Options();
    // Loads the file, lets `change` set its keys and saves it, all as one
    // change of the file (FileChange.h): keys that another program writes
    // meanwhile are kept, or wait for this change to be written.
    static void update(const std::string& fileName, const std::function<void(IniFile&)>& change);

    // A line break in any of the three would split the line: callers refuse
    // such text first, and LineBreakRefused guards the file if one slips by.
    void setValue(const std::string& section, const std::string& key, const std::string& value);
    // Replaces the file as one step (FileError on failure, the old file kept).
    void save(const std::string& fileName) const;

    std::string text() const;

    // The value of a key as the server reads it: the first line of the key in
    // the first section of the name, both matched as setValue matches them,
    // with the blanks around the value taken off; `line` counts from 1.
    struct Value {
        std::string text;
        std::size_t line;
    };
    std::optional<Value> find(const std::string& section, const std::string& key) const;

private:
    struct Line {
        std::string content;    // without its line end
        std::string terminator; // "\r\n", "\n" or "" for a last line without one
    };
    // The line of the first header of the section, names matched as above.
    std::optional<std::size_t> sectionHeader(std::string_view name) const;

    std::vector<Line> lines_;
};

} // namespace vantor
