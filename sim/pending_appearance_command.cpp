// TEMPORARY: the appearance checker is being built; until then its command
// says so.
#include <iostream>

#include "sim/commands.h"

namespace sim {
int AppearanceCommand(int, char**) {
  std::cerr << "quorlan-sim: appearance is not available in this build\n";
  return 2;
}
}  // namespace sim
