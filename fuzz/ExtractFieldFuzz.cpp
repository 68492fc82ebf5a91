#include "core/lines/TextLineList.h"

#include <cstdint>
#include <cstdlib>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

using namespace vantor;

namespace {

struct Expected {
    bool found;
    std::string output;
};

// The documented rules, written plainly: split at every delimiter, except that
// a text with no delimiter before its last character is one field, whose end
// empties the output when asked for the field behind it.
Expected reference(int index, std::string_view source, char delimiter, const std::string& before) {
    if (index < 0 || index > 31)
        return {false, before};
    const bool single = source.empty() || source.substr(0, source.size() - 1).find(delimiter) ==
                                              std::string_view::npos;
    if (single) {
        if (index == 0)
            return {true, std::string(source)};
        if (index == 1 && !source.empty())
            return {false, ""};
        return {false, before};
    }
    std::vector<std::string_view> fields;
    std::size_t start = 0;
    for (std::size_t i = 0; i <= source.size(); ++i) {
        if (i == source.size() || source[i] == delimiter) {
            fields.push_back(source.substr(start, i - start));
            start = i + 1;
        }
    }
    if (static_cast<std::size_t>(index) < fields.size())
        return {true, std::string(fields[static_cast<std::size_t>(index)])};
    return {false, before};
}

} // namespace

// Input: one byte for the index (a few beyond each end of the range), one for
// the delimiter, the rest is the text.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 2)
        return 0;
    const int index = static_cast<int>(data[0] % 40) - 4;
    const char delimiter = static_cast<char>(data[1]);
    const std::string_view source(reinterpret_cast<const char*>(data + 2), size - 2);

    const std::string before = "unchanged";
    std::string output = before;
    const bool found = ExtractField(index, source, output, delimiter);
    const Expected expected = reference(index, source, delimiter, before);
    if (found != expected.found || output != expected.output)
        std::abort();
    return 0;
}
