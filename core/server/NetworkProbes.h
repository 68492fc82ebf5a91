#pragma once

#include <cstdint>
#include <string>

namespace vantor {

// True when a TCP socket could be created and bound to the port on the IPv4
// wildcard address. Only the low 16 bits of `port` count. No address-reuse
// option is set, and the socket is closed before returning, so the probe
// leaves the port as it found it.
bool isPortFree(std::uint32_t port);

// Marks a failed host-name lookup or resolution; not an address.
inline constexpr std::uint32_t kNoLocalAddress = 0xFFFFFFFF;

// The IPv4 address at `index` (from 0) of the machine's host name, in the order
// the resolver gives them, in network byte order. 0 when there is no address
// at that index; kNoLocalAddress when the name or its addresses cannot be
// obtained. Resolves afresh on every call.
std::uint32_t localAddress(int index);

// "%d.%d.%d.%d" of an address in network byte order, first octet first.
std::string addressText(std::uint32_t address);

} // namespace vantor
