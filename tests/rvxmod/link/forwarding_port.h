#pragma once

#include <span>
#include <string>
#include <vector>

#include "rvxmod/link/port.h"

namespace rvxmod::testing {

// Passes everything through to another port; test ports override the calls they watch.
class ForwardingPort : public link::Port {
public:
    explicit ForwardingPort(link::Port& inner) : inner_(inner) {}
    rvx::Status open(const std::string& device) override { return inner_.open(device); }
    void close() override { inner_.close(); }
    bool isOpen() const override { return inner_.isOpen(); }
    rvx::Status setBaud(int baud) override { return inner_.setBaud(baud); }
    int baud() const override { return inner_.baud(); }
    rvx::Status write(std::span<const std::uint8_t> bytes) override { return inner_.write(bytes); }
    std::vector<std::uint8_t> read(link::Millis deadline) override { return inner_.read(deadline); }

protected:
    link::Port& inner_;
};

}  // namespace rvxmod::testing
