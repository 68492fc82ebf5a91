#include "core/server/ConfigurationFile.h"

#include "core/lines/Decimal.h"
#include "core/lines/FileLock.h"
#include "core/lines/FileSystem.h"
#include "core/lines/TextLineList.h"
#include "core/server/IniFile.h"

namespace vantor {

namespace {

void setKeys(const ServerDesign& design, IniFile& file) {
    const auto set = [&file](const char* key, const std::string& value) {
        file.setValue("FTPD", key, value);
    };
    set("SERVER_NAME", design.serverName);
    set("SERVER_IP", design.serverIp);
    set("LISTEN_PORT", SignedDecimal(design.listenPort));
    set("ALLOW_ANON", FlagDigit(design.allowAnonymous));
    set("USE_ANON_MAX", FlagDigit(design.useAnonymousMax));
    set("ANON_MAX", SignedDecimal(design.anonymousMax));
    set("USE_USER_MAX", FlagDigit(design.useUserMax));
    set("USER_MAX", SignedDecimal(design.userMax));
    set("USE_MAXUSER_PER_IP", FlagDigit(design.useMaxPerIp));
    set("MAXUSER_PER_IP", SignedDecimal(design.maxPerIp));
    set("IPCHK", SignedDecimal(design.ipCheckMode));
    set("IPCHK_DATA", FlagDigit(design.checkDataIp));
    set("PASV_IP_ROLLING", FlagDigit(design.pasvIpRolling));
    set("AUTO_CHOOSE_IP", FlagDigit(design.autoChooseIp));
    set("VFSFILE", design.vfsFile);
    set("USRFILE", design.userFile);
    set("IPFILE", design.allowFile);
    set("USE_DATAPORT_RANGE", FlagDigit(design.useDataPortRange));
    set("PORT_FROM", SignedDecimal(design.dataPortFrom));
    set("PORT_TO", SignedDecimal(design.dataPortTo));
    set("TIMEOUT", design.useIdleTimeout ? SignedDecimal(design.idleTimeout) : "0");
}

} // namespace

void writeConfigurationFile(const ServerDesign& design) {
    IniFile::update(design.configFile, [&design](IniFile& file) { setKeys(design, file); });
}

void addToStartupList(const std::string& configFile) {
    const std::string line = "ftpdstart " + BaseName(configFile);
    const FolderLock lock(kStartupListName);
    TextLineList startup;
    ReadLineList(kStartupListName, startup);
    if (startup.contains(line))
        return;
    startup.append(line);
    WriteLineList(startup, kStartupListName);
}

} // namespace vantor
