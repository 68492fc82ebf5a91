#include "core/server/StartupList.h"

#include "core/lines/FileLock.h"
#include "core/lines/FileSystem.h"
#include "core/lines/TextLineList.h"
#include "core/users/Validation.h"

namespace vantor {

std::string StartupLine(const std::string& configFile) {
    return "ftpdstart " + BaseName(configFile);
}

bool StartupListNames(const std::string& startupList, const std::string& configFile) {
    TextLineList startup;
    ReadLineList(startupList, startup);
    return startup.contains(StartupLine(configFile));
}

bool EnableInStartupList(const std::string& startupList, const std::string& configFile) {
    const std::string line = StartupLine(configFile);
    if (const InputRule rule = CheckLineText(line); rule != InputRule::Ok)
        throw InvalidInput(rule);
    const FolderLock lock(startupList);
    TextLineList startup;
    ReadLineList(startupList, startup);
    if (startup.contains(line))
        return false;
    startup.append(line);
    WriteLineList(startup, startupList);
    return true;
}

bool DisableInStartupList(const std::string& startupList, const std::string& configFile) {
    const FolderLock lock(startupList);
    TextLineList startup;
    ReadLineList(startupList, startup);
    if (!startup.remove(StartupLine(configFile)))
        return false;
    WriteLineList(startup, startupList);
    return true;
}

} // namespace vantor
