#include "rvxmod/link/serial_device_port.h"

#include <fcntl.h>
#include <poll.h>
#include <termios.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <cstring>
#include <optional>

namespace rvxmod::link {

namespace {

// Longest wait for the output buffer to take more bytes before a write gives up.
constexpr int kWriteStallMs = 1000;

rvx::Error systemError(const std::string& what) {
    return rvx::fail(what + ": " + std::strerror(errno));
}

std::optional<speed_t> speedOf(int baud) {
    switch (baud) {
        case kUserBaud:
            return B230400;
        case kFallbackBaud:
            return B19200;
        default:
            return std::nullopt;
    }
}

}  // namespace

rvx::Status SerialDevicePort::open(const std::string& device) {
    close();
    fd_ = ::open(device.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (fd_ < 0) return systemError(device);
    if (auto applied = applySettings(); !applied) {
        close();
        return applied.error();
    }
    return rvx::ok();
}

void SerialDevicePort::close() {
    if (fd_ < 0) return;
    ::close(fd_);
    fd_ = -1;
}

rvx::Status SerialDevicePort::setBaud(int baud) {
    if (!speedOf(baud)) return rvx::fail("unsupported baud rate " + std::to_string(baud));
    baud_ = baud;
    return isOpen() ? applySettings() : rvx::ok();
}

rvx::Status SerialDevicePort::applySettings() {
    termios settings{};
    if (tcgetattr(fd_, &settings) != 0) return systemError("tcgetattr");
    cfmakeraw(&settings);
    settings.c_cflag &= ~static_cast<tcflag_t>(CSTOPB | PARENB | CRTSCTS | CSIZE);
    settings.c_cflag |= CS8 | CLOCAL | CREAD;
    settings.c_iflag &= ~static_cast<tcflag_t>(IXON | IXOFF | IXANY);
    settings.c_cc[VMIN] = 0;
    settings.c_cc[VTIME] = 0;
    const speed_t speed = *speedOf(baud_);
    if (cfsetispeed(&settings, speed) != 0 || cfsetospeed(&settings, speed) != 0) {
        return systemError("cfsetspeed");
    }
    if (tcsetattr(fd_, TCSANOW, &settings) != 0) return systemError("tcsetattr");
    return rvx::ok();
}

rvx::Status SerialDevicePort::write(std::span<const std::uint8_t> bytes) {
    while (!bytes.empty()) {
        const ssize_t written = ::write(fd_, bytes.data(), bytes.size());
        if (written < 0) {
            if (errno != EAGAIN && errno != EINTR) return systemError("write");
            pollfd writable{fd_, POLLOUT, 0};
            if (::poll(&writable, 1, kWriteStallMs) <= 0) return rvx::fail("write: line stalled");
            continue;
        }
        bytes = bytes.subspan(static_cast<std::size_t>(written));
    }
    return rvx::ok();
}

std::vector<std::uint8_t> SerialDevicePort::read(Millis deadline) {
    const Millis remaining = deadline - clock_.now();
    if (remaining.count() <= 0) return {};
    if (fd_ < 0) {
        clock_.sleepFor(remaining);
        return {};
    }
    pollfd readable{fd_, POLLIN, 0};
    if (::poll(&readable, 1, static_cast<int>(remaining.count())) <= 0) return {};
    if ((readable.revents & POLLIN) == 0) {
        // Hung up or failed: nothing more will come, so do not spin until the deadline.
        clock_.sleepFor(deadline - clock_.now());
        return {};
    }
    std::array<std::uint8_t, 4096> chunk{};
    const ssize_t count = ::read(fd_, chunk.data(), chunk.size());
    if (count <= 0) return {};
    return {chunk.begin(), chunk.begin() + count};
}

}  // namespace rvxmod::link
