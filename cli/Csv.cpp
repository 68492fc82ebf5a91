#include "cli/Csv.h"

#include <csv.h>

namespace vantor::admin {

namespace {

struct Reading {
    CsvText text;
    std::size_t line = 1;
    bool inRecord = false;
    bool pending = false; // the parser holds a record it has not ended yet
};

void takeField(void* data, std::size_t size, void* reading) {
    auto& r = *static_cast<Reading*>(reading);
    if (!r.inRecord) {
        r.text.records.push_back({r.line, r.text.ends.size(), 0});
        r.inRecord = true;
    }
    r.text.bytes.append(static_cast<const char*>(data), size);
    r.text.ends.push_back(r.text.bytes.size());
    ++r.text.records.back().count;
}

void endRecord(int, void* reading) {
    auto& r = *static_cast<Reading*>(reading);
    if (!r.inRecord)
        r.text.records.push_back({0, r.text.ends.size(), 0});
    r.inRecord = false;
    r.pending = false;
}

int noBlanks(unsigned char) {
    return 0;
}

// A line without a quote holds its fields as they are, split at commas:
// taken here, without the parser's call for every byte.
void takePlainLine(std::string_view line, Reading& reading) {
    if (!line.empty() && line.back() == '\n')
        line.remove_suffix(1);
    if (!line.empty() && line.back() == '\r')
        line.remove_suffix(1);
    if (line.empty())
        return; // the parser skips empty lines too
    CsvText& text = reading.text;
    text.records.push_back({reading.line, text.ends.size(), 0});
    CsvRecord& record = text.records.back();
    for (;;) {
        const std::size_t comma = line.find(',');
        text.bytes.append(line.substr(0, comma));
        text.ends.push_back(text.bytes.size());
        ++record.count;
        if (comma == std::string_view::npos)
            break;
        line.remove_prefix(comma + 1);
    }
}

} // namespace

CsvText ReadCsv(std::string_view bytes) {
    if (bytes.starts_with("\xEF\xBB\xBF")) // a byte order mark some programs write
        bytes.remove_prefix(3);
    csv_parser parser{};
    csv_init(&parser, CSV_STRICT | CSV_STRICT_FINI);
    csv_set_space_func(&parser, noBlanks);
    Reading reading;
    // The fields hold fewer bytes than the text.
    reading.text.bytes.reserve(bytes.size());
    // Fed a line at a time, so that each record knows where it stands; a
    // line the parser is not in the middle of and that holds no quote is
    // split here.
    while (!bytes.empty() && !reading.text.malformedLine) {
        const std::size_t feed = bytes.find('\n');
        const std::size_t length = feed == std::string_view::npos ? bytes.size() : feed + 1;
        const std::string_view line = bytes.substr(0, length);
        if (!reading.pending && line.find('"') == std::string_view::npos) {
            takePlainLine(line, reading);
        } else {
            reading.pending = true;
            if (csv_parse(&parser, line.data(), length, takeField, endRecord, &reading) != length)
                reading.text.malformedLine = reading.line;
        }
        bytes.remove_prefix(length);
        ++reading.line;
    }
    if (!reading.text.malformedLine) {
        --reading.line;
        if (csv_fini(&parser, takeField, endRecord, &reading) != 0)
            reading.text.malformedLine = reading.line;
    }
    csv_free(&parser);
    return std::move(reading.text);
}

std::string CsvField(std::string_view text) {
    const bool plain = text.find_first_of(",\"\r\n") == std::string_view::npos &&
                       (text.empty() || (text.front() != ' ' && text.back() != ' '));
    if (plain)
        return std::string(text);
    std::string quoted(text.size() * 2 + 2, '\0');
    quoted.resize(csv_write(quoted.data(), quoted.size(), text.data(), text.size()));
    return quoted;
}

} // namespace vantor::admin
