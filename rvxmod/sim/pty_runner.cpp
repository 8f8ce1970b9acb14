#include "rvxmod/sim/pty_runner.h"

#include <poll.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstring>

#include "rvxmod/link/clock.h"
#include "rvxmod/sim/answer_schedule.h"

namespace rvxmod::sim {

namespace {

// Bounds every wait so a stop request is seen promptly.
constexpr link::Millis kLongestWait{100};

rvx::Status writeAll(int fd, std::span<const std::uint8_t> bytes) {
    while (!bytes.empty()) {
        const ssize_t written = ::write(fd, bytes.data(), bytes.size());
        if (written < 0) {
            if (errno != EAGAIN && errno != EINTR) {
                return rvx::fail(std::string("write: ") + std::strerror(errno));
            }
            // Nobody drains the program's end: the rest is lost on the line.
            pollfd writable{fd, POLLOUT, 0};
            if (::poll(&writable, 1, static_cast<int>(kLongestWait.count())) <= 0) break;
            continue;
        }
        bytes = bytes.subspan(static_cast<std::size_t>(written));
    }
    return rvx::ok();
}

}  // namespace

rvx::Status runOnPseudoTerminal(const PseudoTerminal& pty, ToolStringSimulator& simulator,
                                const volatile std::sig_atomic_t& stop) {
    link::SteadyClock clock;
    AnswerSchedule schedule;
    std::array<std::uint8_t, 4096> chunk{};
    while (stop == 0) {
        const link::Millis now = clock.now();
        const link::Millis wait = std::clamp(schedule.nextDue().value_or(now + kLongestWait) - now,
                                             link::Millis{0}, kLongestWait);
        pollfd readable{pty.masterFd(), POLLIN, 0};
        const int ready = ::poll(&readable, 1, static_cast<int>(wait.count()));
        if (ready > 0 && (readable.revents & POLLIN) != 0) {
            const ssize_t count = ::read(pty.masterFd(), chunk.data(), chunk.size());
            if (count > 0) {
                const std::span<const std::uint8_t> bytes(chunk.data(),
                                                          static_cast<std::size_t>(count));
                schedule.add(clock.now(), pty.baud(), simulator.receive(bytes));
            }
        }
        const auto due = schedule.takeDue(clock.now());
        if (auto written = writeAll(pty.masterFd(), due); !written) return written;
    }
    return rvx::ok();
}

}  // namespace rvxmod::sim
