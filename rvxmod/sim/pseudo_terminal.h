#pragma once

#include <filesystem>
#include <memory>
#include <string>

#include "common/result.h"

namespace rvxmod::sim {

// The tool string's end of a pseudo-terminal pair, raw, with a symbolic link to the program's
// end. The link is removed and the descriptors closed when this goes away.
class PseudoTerminal {
public:
    static rvx::Result<std::unique_ptr<PseudoTerminal>> create(const std::filesystem::path& link);
    ~PseudoTerminal();
    PseudoTerminal(const PseudoTerminal&) = delete;
    PseudoTerminal& operator=(const PseudoTerminal&) = delete;

    int masterFd() const { return master_; }
    const std::string& slaveName() const { return slaveName_; }
    // The baud rate the program set on its end.
    int baud() const;

private:
    PseudoTerminal() = default;

    int master_ = -1;
    int heldSlave_ = -1;  // keeps the pair up while the program reopens its end
    std::string slaveName_;
    std::filesystem::path link_;
};

}  // namespace rvxmod::sim
