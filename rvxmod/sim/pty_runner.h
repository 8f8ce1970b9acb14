#pragma once

#include <csignal>

#include "rvxmod/sim/pseudo_terminal.h"
#include "rvxmod/sim/tool_string_simulator.h"

namespace rvxmod::sim {

// Serves the simulator on the pseudo-terminal in real time until `stop` becomes non-zero.
rvx::Status runOnPseudoTerminal(const PseudoTerminal& pty, ToolStringSimulator& simulator,
                                const volatile std::sig_atomic_t& stop);

}  // namespace rvxmod::sim
