#pragma once

#include "rvxmod/link/port.h"

namespace rvxmod::link {

// A serial device (or pseudo-terminal) through termios: raw, 8N1, no flow control.
class SerialDevicePort final : public Port {
public:
    explicit SerialDevicePort(Clock& clock) : clock_(clock) {}
    ~SerialDevicePort() override { close(); }
    SerialDevicePort(const SerialDevicePort&) = delete;
    SerialDevicePort& operator=(const SerialDevicePort&) = delete;

    rvx::Status open(const std::string& device) override;
    void close() override;
    bool isOpen() const override { return fd_ >= 0; }
    rvx::Status setBaud(int baud) override;
    int baud() const override { return baud_; }
    rvx::Status write(std::span<const std::uint8_t> bytes) override;
    std::vector<std::uint8_t> read(Millis deadline) override;

private:
    rvx::Status applySettings();

    Clock& clock_;
    int fd_ = -1;
    int baud_ = kUserBaud;
};

}  // namespace rvxmod::link
