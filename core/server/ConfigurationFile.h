#pragma once

#include "core/lines/FileChange.h"
#include "core/server/ServerDesign.h"

#include <string>

namespace vantor {

// Writes the twenty-one keys of section "FTPD" into design.configFile, keeping
// everything else the file holds. Raises FileError when it cannot be written.
void writeConfigurationFile(const ServerDesign& design);

// The name of the startup list, in the current directory.
inline constexpr const char* kStartupListName = "ftpmarlin.startup";

// Makes sure "ftpmarlin.startup" in the current directory holds the line
// "ftpdstart <base name of configFile>"; the file is not touched when it does.
// Raises InvalidInput (users/Validation.h) when the name would break the line.
void addToStartupList(const std::string& configFile);

// The twenty-one keys of the design set in a configuration file's content,
// every other byte kept.
std::string ConfigurationWith(const std::string& bytes, const ServerDesign& design);

// Writes the files of a new server as one change, all of them prepared before
// the first takes its place (FileChanges): the twenty-one keys into
// design.configFile, the root mount point as design.vfsFile when that file
// does not exist, and, with design.startAtLaunch, the configuration's line in
// `startupList`. With `newConfig` a configuration file that exists already,
// as found under its lock, is not touched and nothing is written: false.
bool WriteServerFiles(const ServerDesign& design, const std::string& startupList, bool newConfig,
                      const WriteConsent& consent = {});

} // namespace vantor
