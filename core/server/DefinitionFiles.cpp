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

} // namespace vantor
