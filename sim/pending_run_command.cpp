// TEMPORARY: the scenario runner is being built; until then its command
// says so.
#include <iostream>

#include "sim/commands.h"

namespace sim {
int RunCommand(int, char**) {
  std::cerr << "quorlan-sim: run is not available in this build\n";
  return 2;
}
}  // namespace sim
