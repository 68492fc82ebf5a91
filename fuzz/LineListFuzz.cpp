#include "FuzzFile.h"
#include "core/lines/Errors.h"
#include "core/lines/FileChange.h"
#include "core/lines/TextLineList.h"
#include "core/lines/WholeFile.h"
#include "core/users/UserFile.h"
#include "core/users/Validation.h"

#include <algorithm>
#include <cstdlib>
#include <string>
#include <vector>

using namespace vantor;

namespace {

// The bytes an account edit must leave: the list read from the file, the
// account's first line and any copy of the stored line taken out, the stored
// line added.
std::string editedThroughList(TextLineList lines, const std::string& name,
                              const std::string* stored) {
    for (auto it = lines.begin(); it != lines.end(); ++it)
        if (UserNameOf(*it) == name) {
            lines.remove(*it);
            break;
        }
    if (stored != nullptr) {
        lines.remove(*stored);
        lines.add(*stored);
    }
    std::string bytes;
    for (std::string_view entry : lines)
        bytes.append(entry).append("\r\n");
    return bytes;
}

// An edit of a file whose reading loses content is refused and leaves every
// byte as it was; with the caller's consent it goes ahead.
WriteConsent consentFor(const std::string& file, const std::uint8_t* data, std::size_t size,
                        const std::string& name) {
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    if (!FindReadingLoss(bytes))
        return {};
    try {
        RemoveUserLine(file, name);
        std::abort();
    } catch (const FileError& error) {
        if (error.fault() != FileFault::ReadingLost || ReadWholeFile(file) != bytes)
            std::abort();
    }
    return {.lossAccepted = true, .lossTold = {}};
}

// The account edits work on views of the file's bytes, not on a list; they
// must write what the list-based edit writes. The account is taken from a line
// of the input, so most runs edit one that is there, repeats and all.
void checkAccountEdits(const std::string& file, const std::uint8_t* data, std::size_t size,
                       const TextLineList& list) {
    if (list.empty())
        return;
    const std::vector<std::string> lines = list.lines();
    const std::string& stored = lines[data[0] % lines.size()];
    const std::string name = UserNameOf(stored);
    const WriteConsent consent = consentFor(file, data, size, name);
    RemoveUserLine(file, name, consent);
    if (ReadWholeFile(file) != editedThroughList(list, name, nullptr))
        std::abort();
    if (CheckUserLineText(name, stored) != InputRule::Ok)
        return;
    fuzz::writeBytes(file, data, size);
    StoreUserLine(file, name, stored, consent);
    if (ReadWholeFile(file) != editedThroughList(list, name, &stored))
        std::abort();
}

} // namespace

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
    checkAccountEdits(input, data, size, list);
    return 0;
}
