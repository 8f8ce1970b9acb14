#include "rvxmod/link/serial_device_port.h"

#include <poll.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <filesystem>

#include "rvxmod/sim/pseudo_terminal.h"

namespace rvxmod::link {
namespace {

using Bytes = std::vector<std::uint8_t>;

std::filesystem::path linkPath() {
    return std::filesystem::temp_directory_path() /
           ("rvx_serial_port_test_" + std::to_string(getpid()));
}

TEST(SerialDevicePort, RefusesMissingDevicesAndUnsupportedRates) {
    SteadyClock clock;
    SerialDevicePort port(clock);
    EXPECT_FALSE(port.open("/dev/no-such-serial-device").ok());
    EXPECT_FALSE(port.isOpen());
    EXPECT_FALSE(port.setBaud(9600).ok());
    EXPECT_EQ(port.baud(), kUserBaud);
}

TEST(SerialDevicePort, TalksOverAPseudoTerminalAtTheRateItSets) {
    auto pty = sim::PseudoTerminal::create(linkPath());
    ASSERT_TRUE(pty.ok()) << pty.error().message;
    const int master = (*pty)->masterFd();
    SteadyClock clock;
    SerialDevicePort port(clock);
    ASSERT_TRUE(port.setBaud(kFallbackBaud).ok());
    ASSERT_TRUE(port.open(linkPath()).ok());
    EXPECT_EQ((*pty)->baud(), kFallbackBaud);

    const Bytes request{0xFF, 0xFF, 0x37, 0x00, 0x00, 0x00, 0x0A, 0x0D};  // raw: no translation
    ASSERT_TRUE(port.write(request).ok());
    Bytes received(request.size());
    std::size_t got = 0;
    pollfd readable{master, POLLIN, 0};
    while (got < received.size() && ::poll(&readable, 1, 2000) > 0) {
        const ssize_t count = ::read(master, received.data() + got, received.size() - got);
        if (count > 0) got += static_cast<std::size_t>(count);
    }
    EXPECT_EQ(received, request);

    const Bytes answer{0x37, 0x00, 0x00, 0x0D, 0x11, 0x13};
    ASSERT_EQ(::write(master, answer.data(), answer.size()), static_cast<ssize_t>(answer.size()));
    Bytes read;
    const Millis deadline = clock.now() + Millis{2000};
    while (read.size() < answer.size() && clock.now() < deadline) {
        const Bytes chunk = port.read(deadline);
        read.insert(read.end(), chunk.begin(), chunk.end());
    }
    EXPECT_EQ(read, answer);
    EXPECT_TRUE(port.read(clock.now() + Millis{20}).empty());
}

}  // namespace
}  // namespace rvxmod::link
