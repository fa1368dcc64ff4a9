// quorlan-sim: the simulated host client and its tools.
#include <cstring>
#include <exception>
#include <iostream>

#include "sim/commands.h"

namespace {

struct Command {
  const char* name;
  int (*run)(int argc, char** argv);
  const char* usage;
};

constexpr Command kCommands[] = {
    {"run", &sim::RunCommand, "run FILE.scn... [--shots DIR] [--record FILE]   play scenarios"},
    {"patch-dump", &sim::PatchDumpCommand, "patch-dump [--no-sse2]         print the patch table as written"},
    {"appearance", &sim::AppearanceCommand, "appearance FILE [--category C --id N]   check a data file"},
    {"png", &sim::PngCommand, "png FILE [--raw OUT]            decode a picture as textures do"},
};

int Usage() {
  std::cerr << "usage: quorlan-sim COMMAND ...\n";
  for (const Command& c : kCommands) std::cerr << "  " << c.usage << "\n";
  return 2;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) return Usage();
  for (const Command& c : kCommands) {
    if (std::strcmp(argv[1], c.name) != 0) continue;
    try {
      return c.run(argc - 2, argv + 2);
    } catch (const std::exception& e) {
      std::cerr << "quorlan-sim: " << e.what() << "\n";
      return 2;
    }
  }
  return Usage();
}
