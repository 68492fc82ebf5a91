#include "wizard/ConfigurationFile.h"

#include "app/FileSystem.h"
#include "app/TextLineList.h"
#include "platform/IniFile.h"

namespace vantor {

namespace {

// Every number goes out as signed decimal, the unsigned ones too: the server
// reads them that way.
std::string number(std::int64_t value) {
    return std::to_string(static_cast<std::int32_t>(value));
}

std::string flag(bool value) {
    return value ? "1" : "0";
}

} // namespace

void writeConfigurationFile(const ServerDesign& design) {
    IniFile file = IniFile::load(design.configFile);
    const auto set = [&file](const char* key, const std::string& value) {
        file.setValue("FTPD", key, value);
    };
    set("SERVER_NAME", design.serverName);
    set("SERVER_IP", design.serverIp);
    set("LISTEN_PORT", number(design.listenPort));
    set("ALLOW_ANON", flag(design.allowAnonymous));
    set("USE_ANON_MAX", flag(design.useAnonymousMax));
    set("ANON_MAX", number(design.anonymousMax));
    set("USE_USER_MAX", flag(design.useUserMax));
    set("USER_MAX", number(design.userMax));
    set("USE_MAXUSER_PER_IP", flag(design.useMaxPerIp));
    set("MAXUSER_PER_IP", number(design.maxPerIp));
    set("IPCHK", number(design.ipCheckMode));
    set("IPCHK_DATA", flag(design.checkDataIp));
    set("PASV_IP_ROLLING", flag(design.pasvIpRolling));
    set("AUTO_CHOOSE_IP", flag(design.autoChooseIp));
    set("VFSFILE", design.vfsFile);
    set("USRFILE", design.userFile);
    set("IPFILE", design.allowFile);
    set("USE_DATAPORT_RANGE", flag(design.useDataPortRange));
    set("PORT_FROM", number(design.dataPortFrom));
    set("PORT_TO", number(design.dataPortTo));
    set("TIMEOUT", design.useIdleTimeout ? number(design.idleTimeout) : "0");
    file.save(design.configFile);
}

void addToStartupList(const std::string& configFile) {
    const std::string line = "ftpdstart " + BaseName(configFile);
    TextLineList startup;
    ReadLineList(kStartupListName, startup);
    if (startup.contains(line))
        return;
    startup.append(line);
    WriteLineList(startup, kStartupListName);
}

} // namespace vantor
