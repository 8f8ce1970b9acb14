#include "rvxmod/sim/simulator_port.h"

namespace rvxmod::sim {

rvx::Status SimulatorPort::open(const std::string& device) {
    close();
    attempts_.emplace_back(device, baud_);
    if (device != deviceName_) return rvx::fail(device + ": no such device");
    open_ = true;
    return rvx::ok();
}

void SimulatorPort::close() {
    open_ = false;
    schedule_.clear();
}

rvx::Status SimulatorPort::setBaud(int baud) {
    baud_ = baud;
    return rvx::ok();
}

rvx::Status SimulatorPort::write(std::span<const std::uint8_t> bytes) {
    if (!open_) return rvx::fail("port not open");
    schedule_.add(clock_.now(), baud_, simulator_.receive(bytes));
    return rvx::ok();
}

std::vector<std::uint8_t> SimulatorPort::read(link::Millis deadline) {
    const auto due = schedule_.nextDue();
    clock_.advanceTo(due && *due < deadline ? *due : deadline);
    return schedule_.takeDue(clock_.now());
}

}  // namespace rvxmod::sim
