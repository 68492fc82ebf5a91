#pragma once

#include "core/server/ServerDesign.h"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace vantor {

// The bounds the basic and more options pages hold their numbers to.
inline constexpr std::uint32_t kMinUserCount = 1; // ANON_MAX, USER_MAX, MAXUSER_PER_IP
inline constexpr std::uint32_t kMaxUserCount = 65535;
inline constexpr std::int32_t kMinIdleSeconds = 60; // TIMEOUT while the time-out is on
inline constexpr std::int32_t kMaxIdleSeconds = 100000;
inline constexpr std::int32_t kMaxIpCheckMode = 2;
inline constexpr std::size_t kMaxServerIpLength = 31;

// The twenty-one keys of section "FTPD", in the order they are written.
inline constexpr std::array<std::string_view, 21> kDesignKeys{
    "SERVER_NAME", "SERVER_IP",    "LISTEN_PORT",        "ALLOW_ANON",         "USE_ANON_MAX",
    "ANON_MAX",    "USE_USER_MAX", "USER_MAX",           "USE_MAXUSER_PER_IP", "MAXUSER_PER_IP",
    "IPCHK",       "IPCHK_DATA",   "PASV_IP_ROLLING",    "AUTO_CHOOSE_IP",     "VFSFILE",
    "USRFILE",     "IPFILE",       "USE_DATAPORT_RANGE", "PORT_FROM",          "PORT_TO",
    "TIMEOUT"};

// Why a value was refused for a key; `min` and `max` give the bounds of
// OutOfRange and `max` the limit of TooLong.
struct DesignKeyCheck {
    enum class Rule {
        Ok,
        UnknownKey,
        NotUnsigned, // not a whole number from 0 up
        NotInteger,  // not a whole number
        OutOfRange,
        TooLong,     // more characters than the field takes
        LineBreak,   // would split the line of the configuration file
        NotAFlag,    // not "0" or "1"
        NotAnAddress // not a dotted IPv4 address
    };
    Rule rule = Rule::Ok;
    std::int64_t min = 0;
    std::int64_t max = 0;
};

// Takes a key's value text into the design record, checked as the wizard's
// pages check the field behind it; the record is unchanged when the value
// is refused. The key is matched exactly as written in kDesignKeys. TIMEOUT
// takes 0 to turn the time-out off, and seconds within its bounds to turn it
// on; a path holds at most kMaxPathLength bytes.
DesignKeyCheck SetDesignKey(ServerDesign& design, std::string_view key, std::string_view value);

// The value text written for a key of kDesignKeys.
std::string DesignKeyValue(const ServerDesign& design, std::string_view key);

// Sets keys of section "FTPD" of an existing configuration file, in order,
// holding the folder's lock across the reading and the one write. False,
// with nothing written, when the file does not exist. FileError when it
// cannot be read or written.
bool SetConfigurationKeys(const std::string& configFile,
                          const std::vector<std::pair<std::string, std::string>>& values);

} // namespace vantor
