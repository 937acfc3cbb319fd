// The command line of tools/simulate: options, steps, and the extra modes.
#pragma once

#include <string>
#include <vector>

namespace sim {

int run_command_line(const std::vector<std::string>& args);

} // namespace sim
