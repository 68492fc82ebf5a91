#include "core/server/ConfigurationFile.h"

#include "core/lines/FileChange.h"
#include "core/lines/FileSystem.h"
#include "core/lines/TextLineList.h"
#include "core/server/DesignKeys.h"
#include "core/server/IniFile.h"
#include "core/users/Validation.h"

namespace vantor {

void writeConfigurationFile(const ServerDesign& design) {
    IniFile::update(design.configFile, [&design](IniFile& file) {
        for (const std::string_view key : kDesignKeys)
            file.setValue("FTPD", std::string(key), DesignKeyValue(design, key));
    });
}

void addToStartupList(const std::string& configFile) {
    const std::string line = "ftpdstart " + BaseName(configFile);
    if (const InputRule rule = CheckLineText(line); rule != InputRule::Ok)
        throw InvalidInput(rule);
    FileChange file(kStartupListName);
    TextLineList startup;
    startup.addLinePieces(file.bytes());
    if (startup.contains(line))
        return;
    startup.append(line);
    file.write(LineListBytes(startup));
}

} // namespace vantor
