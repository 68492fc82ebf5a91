#include "core/server/NetworkProbes.h"

#include <array>
#include <cstring>
#include <memory>
#include <netdb.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

namespace vantor {

bool isPortFree(std::uint32_t port) {
    const int fd = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (fd < 0)
        return false;
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_ANY);
    address.sin_port = htons(static_cast<std::uint16_t>(port & 0xFFFF));
    const bool bound = ::bind(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0;
    ::close(fd);
    return bound;
}

std::uint32_t localAddress(int index) {
    std::array<char, 256> host{};
    if (::gethostname(host.data(), host.size() - 1) != 0)
        return kNoLocalAddress;

    addrinfo hints{};
    hints.ai_family = AF_INET;
    // One answer per address instead of one per socket type.
    hints.ai_socktype = SOCK_STREAM;
    addrinfo* found = nullptr;
    if (::getaddrinfo(host.data(), nullptr, &hints, &found) != 0 || found == nullptr)
        return kNoLocalAddress;
    const std::unique_ptr<addrinfo, decltype(&::freeaddrinfo)> owner(found, &::freeaddrinfo);

    const addrinfo* entry = found;
    for (int i = 0; entry != nullptr && i < index; ++i)
        entry = entry->ai_next;
    if (index < 0 || entry == nullptr)
        return 0;
    sockaddr_in address{};
    std::memcpy(&address, entry->ai_addr, sizeof address);
    return address.sin_addr.s_addr;
}

std::string addressText(std::uint32_t address) {
    std::array<unsigned char, 4> octets{};
    std::memcpy(octets.data(), &address, octets.size());
    return std::to_string(octets[0]) + '.' + std::to_string(octets[1]) + '.' +
           std::to_string(octets[2]) + '.' + std::to_string(octets[3]);
}

} // namespace vantor
