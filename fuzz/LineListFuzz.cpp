#include "FuzzFile.h"
#include "app/TextLineList.h"

#include <algorithm>
#include <cstdlib>
#include <string>
#include <vector>

using namespace vantor;

// Reading arbitrary bytes must not fail, and a list written and read again
// must come back as the insertion rule orders it: the first entry stays first
// and every later one lands directly behind it, so the rest arrives reversed.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const fuzz::ScratchFile inputFile("lines-in");
    static const fuzz::ScratchFile outputFile("lines-out");
    const std::string& input = inputFile.name();
    const std::string& output = outputFile.name();
    fuzz::writeBytes(input, data, size);

    TextLineList list;
    ReadLineList(input, list);
    WriteLineList(list, output);
    TextLineList reread;
    ReadLineList(output, reread);

    std::vector<std::string> expected = list.lines();
    if (!expected.empty())
        std::reverse(expected.begin() + 1, expected.end());
    if (reread.lines() != expected)
        std::abort();
    return 0;
}
