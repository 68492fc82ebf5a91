#pragma once

#include <string>

namespace vantor {

// The line of the startup list that starts a configuration at launch:
// "ftpdstart " and the configuration file's base name.
std::string StartupLine(const std::string& configFile);

// True when the startup list holds the configuration's line; a missing list
// holds none. FileError when the list cannot be read.
bool StartupListNames(const std::string& startupList, const std::string& configFile);

// Adds or removes the configuration's line, holding the folder's lock from
// the reading to the write, and keeping every other line as it is. False,
// with nothing written, when the list already is as asked. InvalidInput when
// the name would break the line, FileError when the list cannot be read or
// written.
bool EnableInStartupList(const std::string& startupList, const std::string& configFile);
bool DisableInStartupList(const std::string& startupList, const std::string& configFile);

} // namespace vantor
