#include "core/server/DefinitionFiles.h"

#include "core/lines/FileSystem.h"
#include "core/server/ConfigurationFile.h"

namespace vantor {

bool HoldsDefinitionFiles(const std::string& directory) {
    for (const char* pattern : {kConfigFilePattern, kVfsFilePattern, kUserFilePattern,
                                kAllowFilePattern, kStartupListName}) {
        if (FindSingleMatch(directory, pattern).firstPath)
            return true;
    }
    return false;
}

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
