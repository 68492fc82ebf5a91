#include "core/server/ConfigurationFile.h"

#include "core/lines/FileChange.h"
#include "core/lines/FileSystem.h"
#include "core/lines/TextLineList.h"
#include "core/server/DesignKeys.h"
#include "core/server/IniFile.h"
#include "core/server/StartupList.h"
#include "core/users/Validation.h"
#include "core/vfs/MountPointEdits.h"

namespace vantor {

namespace {

void setDesignKeys(IniFile& file, const ServerDesign& design) {
    for (const std::string_view key : kDesignKeys)
        file.setValue("FTPD", std::string(key), DesignKeyValue(design, key));
}

} // namespace

void writeConfigurationFile(const ServerDesign& design) {
    IniFile::update(design.configFile, [&design](IniFile& file) { setDesignKeys(file, design); });
}

void addToStartupList(const std::string& configFile) {
    EnableInStartupList(kStartupListName, configFile);
}

std::string ConfigurationWith(const std::string& bytes, const ServerDesign& design) {
    IniFile file = IniFile::parse(bytes);
    setDesignKeys(file, design);
    return file.text();
}

bool WriteServerFiles(const ServerDesign& design, const std::string& startupList, bool newConfig,
                      const WriteConsent& consent) {
    FileChanges changes;
    FileChange& config = changes.open(design.configFile, IniFile::Options());
    if (newConfig && config.exists())
        return false;
    config.prepare(ConfigurationWith(config.bytes(), design));
    FileChange::Options whole;
    whole.reading = FileChange::Reading::StatusOnly;
    FileChange& vfs = changes.open(design.vfsFile, whole);
    if (!vfs.exists())
        vfs.prepare(RootMountPointFile(design.rootDirectory));
    if (design.startAtLaunch) {
        FileChange::Options lines;
        lines.consent = consent;
        FileChange& startup = changes.open(startupList, lines);
        if (const auto bytes = StartupListWith(startup, design.configFile))
            startup.prepare(*bytes);
    }
    changes.commit();
    return true;
}

} // namespace vantor
