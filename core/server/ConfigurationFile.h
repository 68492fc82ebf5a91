#pragma once

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

} // namespace vantor
