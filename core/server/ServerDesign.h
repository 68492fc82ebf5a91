#pragma once

#include <cstdint>
#include <string>

namespace vantor {

// Everything the server design wizard collects, with the values a fresh start
// shows. One instance lives for the whole process and is never reset, so a
// second run of the wizard starts from what the first one stored.
struct ServerDesign {
    // Server identity and limits (basic options page).
    std::string serverName = "VantorFTPD32";
    std::uint32_t listenPort = 21;
    std::string serverIp;
    bool autoChooseIp = true;
    std::string rootDirectory;
    bool allowAnonymous = true;
    bool useAnonymousMax = true;
    std::uint32_t anonymousMax = 16;
    bool useUserMax = true;
    std::uint32_t userMax = 32;
    bool useMaxPerIp = true;
    std::uint32_t maxPerIp = 2;

    // Security and data-connection options (more options page).
    std::int32_t ipCheckMode = 0; // 0 unchecked, 1 before log-in, 2 after log-in
    bool checkDataIp = false;
    bool pasvIpRolling = false;
    bool useDataPortRange = false;
    std::uint32_t dataPortFrom = 200;
    std::uint32_t dataPortTo = 500;
    bool useIdleTimeout = true;
    std::int32_t idleTimeout = 600;

    // Files (finish page, users page, editors, start dialog).
    bool startAtLaunch = true;
    std::string configFile;
    std::string vfsFile;
    std::string userFile;
    std::string allowFile;
};

// Field capacities the pages enforce.
inline constexpr int kMaxServerNameLength = 32;

} // namespace vantor
