#pragma once

#include <nlohmann/json.hpp>

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <variant>

namespace vantor::admin {

// One named value of a row: nothing (null), a flag, a number or the bytes
// of a text.
using CellValue = std::variant<std::nullptr_t, bool, std::int64_t, std::string_view>;
struct Cell {
    std::string_view name;
    CellValue value;
};

// Appends a text as JSON: a string where its bytes are UTF-8, else, so that
// no byte is lost, an array of its byte values 0 to 255.
void AppendJsonText(std::string& out, std::string_view bytes);
// The bytes of a JSON value written so; nothing when it is neither a string
// nor an array of byte values.
std::optional<std::string> JsonBytes(const nlohmann::json& value);

// Rows of a listing on standard output, for a person or a script: as text a
// line of the caller's per row, or each cell on a line "name: value"; as
// JSON an array of objects, one row to a line, or a single object.
class RowPrinter {
public:
    enum class Form {
        Lines,  // the text line given with each row
        Fields, // each cell as "name: value"
        Json,   // an array of objects
        JsonOne // one object
    };
    explicit RowPrinter(Form form);
    RowPrinter(bool json, Form textForm) : RowPrinter(json ? Form::Json : textForm) {}
    RowPrinter(const RowPrinter&) = delete;
    RowPrinter& operator=(const RowPrinter&) = delete;

    bool json() const { return form_ == Form::Json || form_ == Form::JsonOne; }
    void row(std::span<const Cell> cells, std::string_view line = {});
    // Ends the listing; a JSON array is closed.
    void finish();

private:
    void flushSome();

    Form form_;
    bool first_ = true;
    std::string buffer_;
};

} // namespace vantor::admin
