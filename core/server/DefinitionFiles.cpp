#include "core/server/DefinitionFiles.h"

#include "core/lines/FileSystem.h"

namespace vantor {

DefinitionFileChoice FindDefinitionFile(const std::string& directory, const char* pattern,
                                        const char* defaultName) {
    DefinitionFileChoice choice;
    std::vector<std::string> matches = FindMatches(directory, pattern);
    if (matches.size() == 1)
        choice.path = std::move(matches.front());
    else if (matches.empty() && defaultName != nullptr)
        choice.path = JoinPath(directory, defaultName);
    else if (!matches.empty())
        choice.matches = std::move(matches);
    return choice;
}

} // namespace vantor
