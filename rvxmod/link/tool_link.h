#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <span>

#include "rvxmod/link/clock.h"
#include "rvxmod/link/frame.h"
#include "rvxmod/link/port.h"
#include "rvxmod/link/receiver.h"

namespace rvxmod::link {

// Sees every chunk of bytes that arrives, before the receiver does (the received-data monitor).
// Called on the thread that runs the command; a window hands the bytes over to its own thread.
using ByteMonitor = std::function<void(std::span<const std::uint8_t>)>;

inline constexpr std::size_t kLineBufferSize = 8192;
inline constexpr std::size_t kLineBytes = 64;

// The conversation with the tool string: one request out, then the wait for its answer. Exactly
// one command is outstanding at a time; the owner keeps it that way.
class ToolLink {
public:
    ToolLink(Port& port, Clock& clock) : port_(port), clock_(clock) {}

    Port& port() { return port_; }
    Clock& clock() { return clock_; }
    Receiver& receiver() { return receiver_; }
    const Receiver& receiver() const { return receiver_; }
    void setMonitor(ByteMonitor monitor) { monitor_ = std::move(monitor); }

    // Builds the request, sends it and waits up to `timeout` for an acceptable answer.
    bool exchange(std::uint8_t code, std::span<const std::uint8_t> payload, Millis timeout,
                  std::uint8_t fill = 0xFF);
    // Seals the frame built in the command buffer, resets the receiver and writes the frame.
    bool sendCommand(std::size_t frameLength);
    // Feeds arriving bytes to the receiver until an answer is accepted or the time-out passes.
    bool waitForAnswer(Millis timeout);
    // Keeps the receiver fed for a while without waiting for anything in particular.
    void processFor(Millis duration);

    // Bytes of the last line or block read, one per element, as the memory code expects them.
    std::array<std::int32_t, kLineBufferSize>& lineBuffer() { return lineBuffer_; }
    // The 64 bytes the next line write sends.
    std::array<std::uint8_t, kLineBytes>& lineWriteBuffer() { return lineWriteBuffer_; }

private:
    void deliver(std::span<const std::uint8_t> bytes);

    Port& port_;
    Clock& clock_;
    CommandBuffer commandBuffer_;
    Receiver receiver_;
    ByteMonitor monitor_;
    std::array<std::int32_t, kLineBufferSize> lineBuffer_{};
    std::array<std::uint8_t, kLineBytes> lineWriteBuffer_{};
};

}  // namespace rvxmod::link

namespace rvxmod::link {

// Sends up to `attempts` times, keeping the line serviced for `pause` between sends, until one
// is answered.
template <class Send>
bool withAttempts(ToolLink& link, int attempts, Millis pause, Send send) {
    for (int attempt = 0; attempt < attempts; ++attempt) {
        if (attempt > 0) link.processFor(pause);
        if (send(link)) return true;
    }
    return false;
}

}  // namespace rvxmod::link
