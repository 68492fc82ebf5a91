#include "core/server/NetworkProbes.h"

#include <gtest/gtest.h>

#include <arpa/inet.h>
#include <cstdint>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

using namespace vantor;

namespace {

// A socket bound to an ephemeral port on 127.0.0.1, listening when asked.
class LoopbackSocket {
public:
    explicit LoopbackSocket(bool listening) : fd_(::socket(AF_INET, SOCK_STREAM, 0)) {
        sockaddr_in address{};
        address.sin_family = AF_INET;
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        socklen_t length = sizeof address;
        auto* raw = reinterpret_cast<sockaddr*>(&address);
        if (fd_ >= 0 && ::bind(fd_, raw, length) == 0 && (!listening || ::listen(fd_, 1) == 0) &&
            ::getsockname(fd_, raw, &length) == 0)
            port_ = ntohs(address.sin_port);
    }
    ~LoopbackSocket() { close(); }
    LoopbackSocket(const LoopbackSocket&) = delete;
    LoopbackSocket& operator=(const LoopbackSocket&) = delete;

    std::uint16_t port() const { return port_; }
    void close() {
        if (fd_ >= 0)
            ::close(fd_);
        fd_ = -1;
    }

private:
    int fd_;
    std::uint16_t port_ = 0;
};

} // namespace

TEST(NetworkProbes, PortsWithAListenerAreUsedAndOnlyTheLow16BitsCount) {
    LoopbackSocket listener(true);
    ASSERT_NE(listener.port(), 0);
    EXPECT_FALSE(isPortFree(listener.port()));
    EXPECT_FALSE(isPortFree(65536u + listener.port()));

    LoopbackSocket finder(false);
    const std::uint16_t port = finder.port();
    ASSERT_NE(port, 0);
    finder.close();
    EXPECT_TRUE(isPortFree(port));
    EXPECT_TRUE(isPortFree(port)); // the probe's own socket is gone at once
    EXPECT_TRUE(isPortFree(65536u + port));
}

TEST(NetworkProbes, LocalAddressesEndInZeroOrFailAsAWhole) {
    constexpr int kEnough = 1000;
    int index = 0;
    std::uint32_t address = localAddress(index);
    while (address != 0 && address != kNoLocalAddress && index < kEnough)
        address = localAddress(++index);
    ASSERT_LT(index, kEnough);
    if (address == 0) {
        EXPECT_EQ(localAddress(index + 5), 0u);
        EXPECT_EQ(localAddress(-1), 0u);
    }
}

TEST(NetworkProbes, AddressTextPutsTheFirstOctetFirst) {
    in_addr parsed{};
    ASSERT_EQ(::inet_pton(AF_INET, "192.168.0.1", &parsed), 1);
    EXPECT_EQ(addressText(parsed.s_addr), "192.168.0.1");
    EXPECT_EQ(addressText(0), "0.0.0.0");
    EXPECT_EQ(addressText(kNoLocalAddress), "255.255.255.255");
}
