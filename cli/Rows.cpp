#include "cli/Rows.h"

#include "cli/Admin.h"

#include <charconv>

namespace vantor::admin {

namespace {

// The length of the UTF-8 sequence at `at`, 0 when none starts there:
// no overlong forms, no surrogates, nothing past U+10FFFF.
std::size_t sequenceLength(std::string_view text, std::size_t at) {
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[at + i]); };
    const auto follows = [&](std::size_t i, unsigned char low = 0x80, unsigned char high = 0xBF) {
        return at + i < text.size() && byte(i) >= low && byte(i) <= high;
    };
    const unsigned char lead = byte(0);
    if (lead < 0x80)
        return 1;
    if (lead >= 0xC2 && lead <= 0xDF)
        return follows(1) ? 2 : 0;
    if (lead >= 0xE0 && lead <= 0xEF) {
        const unsigned char low = lead == 0xE0 ? 0xA0 : 0x80;
        const unsigned char high = lead == 0xED ? 0x9F : 0xBF;
        return follows(1, low, high) && follows(2) ? 3 : 0;
    }
    if (lead >= 0xF0 && lead <= 0xF4) {
        const unsigned char low = lead == 0xF0 ? 0x90 : 0x80;
        const unsigned char high = lead == 0xF4 ? 0x8F : 0xBF;
        return follows(1, low, high) && follows(2) && follows(3) ? 4 : 0;
    }
    return 0;
}

bool isUtf8(std::string_view text) {
    for (std::size_t at = 0; at < text.size();) {
        if (static_cast<unsigned char>(text[at]) < 0x80) {
            ++at;
            continue;
        }
        const std::size_t length = sequenceLength(text, at);
        if (length == 0)
            return false;
        at += length;
    }
    return true;
}

void appendNumber(std::string& out, std::int64_t value) {
    char digits[24];
    const auto end = std::to_chars(digits, digits + sizeof digits, value).ptr;
    out.append(digits, end);
}

bool needsEscape(char c) {
    return c == '"' || c == '\\' || static_cast<unsigned char>(c) < 0x20;
}

// The text between quotes, the bytes that need it escaped; runs of plain
// bytes go in whole.
void appendString(std::string& out, std::string_view text) {
    constexpr char kHex[] = "0123456789abcdef";
    out += '"';
    std::size_t from = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (!needsEscape(c))
            continue;
        out.append(text.substr(from, i - from));
        from = i + 1;
        if (c == '"' || c == '\\') {
            out += '\\';
            out += c;
            continue;
        }
        const auto byte = static_cast<unsigned char>(c);
        const char escape[] = {'\\', 'u', '0', '0', kHex[byte >> 4], kHex[byte & 0xF]};
        out.append(escape, sizeof escape);
    }
    out.append(text.substr(from));
    out += '"';
}

void appendCell(std::string& out, const CellValue& value) {
    if (std::holds_alternative<std::nullptr_t>(value))
        out.append("null");
    else if (const bool* flag = std::get_if<bool>(&value))
        out.append(*flag ? "true" : "false");
    else if (const std::int64_t* number = std::get_if<std::int64_t>(&value))
        appendNumber(out, *number);
    else
        AppendJsonText(out, std::get<std::string_view>(value));
}

void appendPlain(std::string& out, const CellValue& value) {
    if (const bool* flag = std::get_if<bool>(&value))
        out += *flag ? '1' : '0';
    else if (const std::int64_t* number = std::get_if<std::int64_t>(&value))
        appendNumber(out, *number);
    else if (const auto* text = std::get_if<std::string_view>(&value))
        out.append(*text);
}

} // namespace

void AppendJsonText(std::string& out, std::string_view bytes) {
    if (isUtf8(bytes)) {
        appendString(out, bytes);
        return;
    }
    out += '[';
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        if (i > 0)
            out += ',';
        appendNumber(out, static_cast<unsigned char>(bytes[i]));
    }
    out += ']';
}

std::optional<std::string> JsonBytes(const nlohmann::json& value) {
    if (value.is_string())
        return value.get<std::string>();
    if (!value.is_array())
        return std::nullopt;
    std::string bytes;
    for (const nlohmann::json& item : value) {
        if (!item.is_number_unsigned() || item.get<std::uint64_t>() > 255)
            return std::nullopt;
        bytes += static_cast<char>(item.get<std::uint64_t>());
    }
    return bytes;
}

RowPrinter::RowPrinter(Form form) : form_(form) {
    if (form_ == Form::Json)
        buffer_ += '[';
}

void RowPrinter::row(std::span<const Cell> cells, std::string_view line) {
    switch (form_) {
    case Form::Lines:
        buffer_.append(line) += '\n';
        break;
    case Form::Fields:
        for (const Cell& cell : cells) {
            buffer_.append(cell.name).append(": ");
            appendPlain(buffer_, cell.value);
            buffer_ += '\n';
        }
        break;
    case Form::Json:
    case Form::JsonOne:
        if (form_ == Form::Json)
            buffer_.append(first_ ? "\n" : ",\n");
        buffer_ += '{';
        for (std::size_t i = 0; i < cells.size(); ++i) {
            if (i > 0)
                buffer_ += ',';
            // The names are the program's own, plain words.
            buffer_ += '"';
            buffer_.append(cells[i].name).append("\":");
            appendCell(buffer_, cells[i].value);
        }
        buffer_ += '}';
        if (form_ == Form::JsonOne)
            buffer_ += '\n';
        break;
    }
    first_ = false;
    flushSome();
}

void RowPrinter::flushSome() {
    if (buffer_.size() < (1 << 16))
        return;
    print(buffer_);
    buffer_.clear();
}

void RowPrinter::finish() {
    if (form_ == Form::Json)
        buffer_.append(first_ ? "]\n" : "\n]\n");
    print(buffer_);
    buffer_.clear();
}

} // namespace vantor::admin
