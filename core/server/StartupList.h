#pragma once

#include "core/lines/FileChange.h"

#include <optional>
#include <string>

namespace vantor {

// The line of the startup list that starts a configuration at launch:
// "ftpdstart " and the configuration file's base name.
std::string StartupLine(const std::string& configFile);

// True when the startup list holds the configuration's line; a missing list
// holds none. FileError when the list cannot be read.
bool StartupListNames(const std::string& startupList, const std::string& configFile);

// Adds or removes the configuration's line as one change of the list, keeping
// every other line as it is. False, with nothing written, when the list
// already is as asked. InvalidInput when the name would break the line,
// FileError when the list cannot be read or written.
bool EnableInStartupList(const std::string& startupList, const std::string& configFile,
                         const WriteConsent& consent = {});
bool DisableInStartupList(const std::string& startupList, const std::string& configFile,
                          const WriteConsent& consent = {});
// What a startup list opened for a change holds with, or without, the
// configuration's line; nothing when it already is so.
std::optional<std::string> StartupListWith(const FileChange& startupList,
                                           const std::string& configFile);
std::optional<std::string> StartupListWithout(const FileChange& startupList,
                                              const std::string& configFile);

} // namespace vantor
