// TEMPORARY: the scenario runner and the appearance checker are being built;
// until then their commands say so.
#include <iostream>

#include "sim/commands.h"

namespace sim {
int RunCommand(int, char**) {
  std::cerr << "quorlan-sim: run is not available in this build\n";
  return 2;
}
int AppearanceCommand(int, char**) {
  std::cerr << "quorlan-sim: appearance is not available in this build\n";
  return 2;
}
}  // namespace sim
