// The command line of tools/simulate: options, steps, and the extra modes.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

namespace sim {

class Simulation;

// Runs steps[first] onwards on a simulation: 0 when every step ran, 1 when an until timed out,
// 2 on a malformed step.
int run_steps(Simulation& s, const std::vector<std::string>& steps, std::size_t first = 0);

int run_command_line(const std::vector<std::string>& args);

} // namespace sim
