#include "core/server/StartupList.h"

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

std::optional<std::string> StartupListWith(const FileChange& startupList,
                                           const std::string& configFile) {
    const std::string line = StartupLine(configFile);
    if (const InputRule rule = CheckLineText(line); rule != InputRule::Ok)
        throw InvalidInput(rule);
    TextLineList startup = ListRead(startupList);
    if (startup.contains(line))
        return std::nullopt;
    startup.append(line);
    return LineListBytes(startup);
}

std::optional<std::string> StartupListWithout(const FileChange& startupList,
                                              const std::string& configFile) {
    TextLineList startup = ListRead(startupList);
    if (!startup.remove(StartupLine(configFile)))
        return std::nullopt;
    return LineListBytes(startup);
}

bool EnableInStartupList(const std::string& startupList, const std::string& configFile,
                         const WriteConsent& consent) {
    FileChange file(startupList, LineFileChange(consent));
    const auto bytes = StartupListWith(file, configFile);
    if (bytes)
        file.write(*bytes);
    return bytes.has_value();
}

bool DisableInStartupList(const std::string& startupList, const std::string& configFile,
                          const WriteConsent& consent) {
    FileChange file(startupList, LineFileChange(consent));
    const auto bytes = StartupListWithout(file, configFile);
    if (bytes)
        file.write(*bytes);
    return bytes.has_value();
}

} // namespace vantor
