#include "cli/Csv.h"

#include <csv.h>

#include <algorithm>

namespace vantor::admin {

namespace {

struct Reading {
    CsvText text;
    CsvRecord record;
    std::size_t line = 1;
};

void takeField(void* data, std::size_t size, void* reading) {
    auto& r = *static_cast<Reading*>(reading);
    if (r.record.cells.empty())
        r.record.line = r.line;
    r.record.cells.emplace_back(static_cast<const char*>(data), size);
}

void endRecord(int, void* reading) {
    auto& r = *static_cast<Reading*>(reading);
    r.text.records.push_back(std::move(r.record));
    r.record = {};
}

int noBlanks(unsigned char) {
    return 0;
}

} // namespace

CsvText ReadCsv(std::string_view bytes) {
    if (bytes.starts_with("\xEF\xBB\xBF")) // a byte order mark some programs write
        bytes.remove_prefix(3);
    csv_parser parser{};
    csv_init(&parser, CSV_STRICT | CSV_STRICT_FINI);
    csv_set_space_func(&parser, noBlanks);
    Reading reading;
    // Fed a line at a time, so that each record knows where it stands.
    while (!bytes.empty() && !reading.text.malformedLine) {
        const std::size_t feed = bytes.find('\n');
        const std::size_t length = feed == std::string_view::npos ? bytes.size() : feed + 1;
        if (csv_parse(&parser, bytes.data(), length, takeField, endRecord, &reading) != length)
            reading.text.malformedLine = reading.line;
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
