#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vantor::admin {

// RFC 4180 text read and written with libcsv: quoted fields may hold commas,
// quotes and line breaks; blanks are part of a field; empty lines are skipped.
// The fields of all records stand one after the other in one buffer, so that
// reading a large file costs no allocation per field or per record.
struct CsvRecord {
    std::size_t line = 0;  // where the record's first field ends, from 1
    std::size_t first = 0; // the number of its first field in the text
    std::size_t count = 0; // its fields
};
struct CsvText {
    std::vector<CsvRecord> records;
    std::optional<std::size_t> malformedLine; // the quoting breaks the rules here

    std::string_view cell(const CsvRecord& record, std::size_t index) const {
        const std::size_t at = record.first + index;
        const std::size_t from = at == 0 ? 0 : ends[at - 1];
        return std::string_view(bytes).substr(from, ends[at] - from);
    }

    std::string bytes;             // every field's text
    std::vector<std::size_t> ends; // where each field ends in `bytes`
};
CsvText ReadCsv(std::string_view bytes);

// One field as it goes into a record: quoted when it needs to be.
std::string CsvField(std::string_view text);

} // namespace vantor::admin
