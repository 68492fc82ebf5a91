#include "core/server/IniFile.h"

#include "core/lines/TextCase.h"
#include "core/lines/TextLineList.h"
#include "core/lines/WholeFile.h"

#include <optional>
#include <stdexcept>
#include <string_view>

namespace vantor {

namespace {

std::string_view trimmed(std::string_view text) {
    const auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\r'; };
    while (!text.empty() && blank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && blank(text.back()))
        text.remove_suffix(1);
    return text;
}

// The name inside "[name]" when the line is a section header. The server's
// reader needs the closing "]": a line like "[FTPD" opens no section there, so
// keys written below it would be lost to the server.
std::optional<std::string_view> sectionName(std::string_view line) {
    line = trimmed(line);
    if (line.empty() || line.front() != '[')
        return std::nullopt;
    const auto close = line.find(']');
    if (close == std::string_view::npos)
        return std::nullopt;
    return trimmed(line.substr(1, close - 1));
}

// The key of a "key=value" line; comments and lines without "=" have none.
std::optional<std::string_view> keyName(std::string_view line) {
    const std::string_view content = trimmed(line);
    if (content.empty() || content.front() == ';')
        return std::nullopt;
    const auto equals = line.find('=');
    if (equals == std::string_view::npos)
        return std::nullopt;
    return trimmed(line.substr(0, equals));
}

} // namespace

IniFile IniFile::load(const std::string& fileName) {
    return parse(ReadDefinitionFile(fileName).bytes);
}

IniFile IniFile::parse(const std::string& bytes) {
    IniFile file;
    std::size_t start = 0;
    while (start < bytes.size()) {
        const auto feed = bytes.find('\n', start);
        if (feed == std::string::npos) {
            file.lines_.push_back({bytes.substr(start), ""});
            break;
        }
        const bool crlf = feed > start && bytes[feed - 1] == '\r';
        const std::size_t end = crlf ? feed - 1 : feed;
        file.lines_.push_back({bytes.substr(start, end - start), crlf ? "\r\n" : "\n"});
        start = feed + 1;
    }
    return file;
}

void IniFile::update(const std::string& fileName, const std::function<void(IniFile&)>& change) {
    FileChange opened(fileName, Options());
    IniFile file = parse(opened.bytes());
    change(file);
    opened.write(file.text());
}

FileChange::Options IniFile::Options() {
    FileChange::Options options;
    options.reading = FileChange::Reading::Bytes;
    return options;
}

void IniFile::setValue(const std::string& section, const std::string& key,
                       const std::string& value) {
    for (const std::string* text : {&section, &key, &value}) {
        if (HasLineBreak(*text))
            throw LineBreakRefused();
    }
    const std::string entry = key + "=" + value;
    const std::string_view wantedSection = trimmed(section);
    const std::string_view wantedKey = trimmed(key);

    const std::optional<std::size_t> header = sectionHeader(wantedSection);
    if (!header) {
        if (!lines_.empty() && lines_.back().terminator.empty())
            lines_.back().terminator = "\r\n";
        std::string header(1, '[');
        header.append(wantedSection).push_back(']');
        lines_.push_back({std::move(header), "\r\n"});
        lines_.push_back({entry, "\r\n"});
        return;
    }

    std::size_t lastFilled = *header;
    std::size_t i = *header + 1;
    for (; i < lines_.size() && !sectionName(lines_[i].content); ++i) {
        const auto name = keyName(lines_[i].content);
        if (name && EqualIgnoringCase(*name, wantedKey)) {
            lines_[i] = {entry, "\r\n"};
            return;
        }
        if (!trimmed(lines_[i].content).empty())
            lastFilled = i;
    }
    // A new key goes behind the section's last non-blank line, so blank lines
    // that separate it from the next section stay where they are.
    if (lines_[lastFilled].terminator.empty())
        lines_[lastFilled].terminator = "\r\n";
    lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(lastFilled + 1), {entry, "\r\n"});
}

std::optional<std::size_t> IniFile::sectionHeader(std::string_view wanted) const {
    for (std::size_t i = 0; i < lines_.size(); ++i) {
        const auto name = sectionName(lines_[i].content);
        if (name && EqualIgnoringCase(*name, wanted))
            return i;
    }
    return std::nullopt;
}

std::optional<IniFile::Value> IniFile::find(const std::string& section,
                                            const std::string& key) const {
    const std::optional<std::size_t> header = sectionHeader(trimmed(section));
    if (!header)
        return std::nullopt;
    for (std::size_t i = *header + 1; i < lines_.size() && !sectionName(lines_[i].content); ++i) {
        const std::string_view line = lines_[i].content;
        const auto name = keyName(line);
        if (name && EqualIgnoringCase(*name, trimmed(key)))
            return Value{std::string(trimmed(line.substr(line.find('=') + 1))), i + 1};
    }
    return std::nullopt;
}

std::string IniFile::text() const {
    std::string bytes;
    for (const auto& line : lines_) {
        bytes += line.content;
        bytes += line.terminator;
    }
    return bytes;
}

void IniFile::save(const std::string& fileName) const {
    WriteFileAtomically(fileName, text());
}

} // namespace vantor
