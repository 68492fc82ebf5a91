#include "cli/Csv.h"

#include <csv.h>

#include <algorithm>

namespace vantor::admin {

namespace {

struct Reading {
    CsvText text;
    std::size_t line = 1;
    bool inRecord = false;
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
    // Room for every field and record without growing: the fields hold fewer
    // bytes than the text, a field ends at a comma, a line feed or the end,
    // and so does a record, at a line feed or the end.
    const auto count = [&](char c) {
        return static_cast<std::size_t>(std::count(bytes.begin(), bytes.end(), c));
    };
    const std::size_t feeds = count('\n');
    reading.text.bytes.reserve(bytes.size());
    reading.text.ends.reserve(count(',') + feeds + 1);
    reading.text.records.reserve(feeds + 1);
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
