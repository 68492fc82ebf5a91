#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vantor::admin {

// RFC 4180 text read and written with libcsv: quoted fields may hold commas,
// quotes and line breaks; blanks are part of a field; empty lines are skipped.
struct CsvRecord {
    std::size_t line = 0; // where the record's first field ends, from 1
    std::vector<std::string> cells;
};
struct CsvText {
    std::vector<CsvRecord> records;
    std::optional<std::size_t> malformedLine; // the quoting breaks the rules here
};
CsvText ReadCsv(std::string_view bytes);

// One field as it goes into a record: quoted when it needs to be.
std::string CsvField(std::string_view text);

} // namespace vantor::admin
