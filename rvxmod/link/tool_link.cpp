#include "rvxmod/link/tool_link.h"

namespace rvxmod::link {

bool ToolLink::exchange(std::uint8_t code, std::span<const std::uint8_t> payload, Millis timeout,
                        std::uint8_t fill) {
    const std::size_t frameLength = commandBuffer_.build(code, payload, fill);
    return sendCommand(frameLength) && waitForAnswer(timeout);
}

bool ToolLink::sendCommand(std::size_t frameLength) {
    const std::size_t sendLength = commandBuffer_.seal(frameLength);
    receiver_.startCommand(commandBuffer_.expectedCode(), port_.baud());
    return port_.isOpen() && port_.write(commandBuffer_.frame(sendLength)).ok();
}

bool ToolLink::waitForAnswer(Millis timeout) {
    const Millis deadline = clock_.now() + timeout;
    while (!receiver_.responseOK() && clock_.now() < deadline) {
        deliver(port_.read(deadline));
    }
    return receiver_.responseOK();
}

void ToolLink::processFor(Millis duration) {
    const Millis until = clock_.now() + duration;
    while (clock_.now() < until) deliver(port_.read(until));
}

void ToolLink::deliver(std::span<const std::uint8_t> bytes) {
    if (bytes.empty()) return;
    if (monitor_) monitor_(bytes);
    receiver_.feed(bytes);
}

}  // namespace rvxmod::link
