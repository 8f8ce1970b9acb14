#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "common/result.h"
#include "rvxmod/link/clock.h"

namespace rvxmod::link {

inline constexpr int kUserBaud = 230400;
inline constexpr int kFallbackBaud = 19200;

// A byte line to the tool string: 8 data bits, no parity, one stop bit, no flow control.
class Port {
public:
    virtual ~Port() = default;

    // Opens the named device at the baud rate set last; an open port is closed first.
    virtual rvx::Status open(const std::string& device) = 0;
    virtual void close() = 0;
    virtual bool isOpen() const = 0;
    virtual rvx::Status setBaud(int baud) = 0;
    virtual int baud() const = 0;

    virtual rvx::Status write(std::span<const std::uint8_t> bytes) = 0;
    // Returns the bytes that have arrived, waiting for some until the deadline (a time of the
    // port's clock); empty when none came in time.
    virtual std::vector<std::uint8_t> read(Millis deadline) = 0;
};

}  // namespace rvxmod::link
