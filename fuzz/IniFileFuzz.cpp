#include "FuzzFile.h"
#include "core/lines/TextCase.h"
#include "core/server/IniFile.h"

#include <algorithm>
#include <array>
#include <cstdlib>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

using namespace vantor;

namespace {

// The keys the configuration writer sets.
constexpr std::array<const char*, 21> kKeys{
    "SERVER_NAME", "SERVER_IP",    "LISTEN_PORT",        "ALLOW_ANON",         "USE_ANON_MAX",
    "ANON_MAX",    "USE_USER_MAX", "USER_MAX",           "USE_MAXUSER_PER_IP", "MAXUSER_PER_IP",
    "IPCHK",       "IPCHK_DATA",   "PASV_IP_ROLLING",    "AUTO_CHOOSE_IP",     "VFSFILE",
    "USRFILE",     "IPFILE",       "USE_DATAPORT_RANGE", "PORT_FROM",          "PORT_TO",
    "TIMEOUT"};

std::vector<std::string> splitLines(const std::string& bytes) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < bytes.size()) {
        auto feed = bytes.find('\n', start);
        if (feed == std::string::npos) {
            lines.push_back(bytes.substr(start));
            break;
        }
        std::size_t end = feed > start && bytes[feed - 1] == '\r' ? feed - 1 : feed;
        lines.push_back(bytes.substr(start, end - start));
        start = feed + 1;
    }
    return lines;
}

std::string_view trimmed(std::string_view text) {
    const auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\r'; };
    while (!text.empty() && blank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && blank(text.back()))
        text.remove_suffix(1);
    return text;
}

std::optional<std::string_view> sectionOf(std::string_view line) {
    line = trimmed(line);
    if (line.empty() || line.front() != '[' || line.find(']') == std::string_view::npos)
        return std::nullopt;
    return trimmed(line.substr(1, line.find(']') - 1));
}

// A line the writer may replace: a "key=" line of an FTPD section naming one of
// the written keys.
bool mayBeReplaced(std::string_view line) {
    const std::string_view content = trimmed(line);
    if (content.empty() || content.front() == ';' || line.find('=') == std::string_view::npos)
        return false;
    const std::string_view key = trimmed(line.substr(0, line.find('=')));
    return std::any_of(kKeys.begin(), kKeys.end(),
                       [key](const char* k) { return EqualIgnoringCase(key, k); });
}

} // namespace

// Every line of the file that the writer had no reason to replace survives,
// in its order, and every written entry is in the result.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const fuzz::ScratchFile scratch("ini");
    const std::string& fileName = scratch.name();
    fuzz::writeBytes(fileName, data, size);
    const std::string original(reinterpret_cast<const char*>(data), size);

    IniFile file = IniFile::load(fileName);
    for (std::size_t i = 0; i < kKeys.size(); ++i)
        file.setValue("FTPD", kKeys[i], std::to_string(i));
    const std::vector<std::string> result = splitLines(file.text());

    bool inFtpd = false;
    auto next = result.begin();
    for (const std::string& line : splitLines(original)) {
        if (const auto section = sectionOf(line))
            inFtpd = EqualIgnoringCase(*section, "FTPD");
        else if (inFtpd && mayBeReplaced(line))
            continue;
        next = std::find(next, result.end(), line);
        if (next == result.end())
            std::abort();
        ++next;
    }
    for (std::size_t i = 0; i < kKeys.size(); ++i) {
        if (std::find(result.begin(), result.end(), kKeys[i] + ("=" + std::to_string(i))) ==
            result.end())
            std::abort();
    }
    return 0;
}
