// The simulator's command-line commands, one file each.
#pragma once

namespace sim {

// quorlan-sim patch-dump [--no-sse2]
int PatchDumpCommand(int argc, char** argv);
// quorlan-sim run FILE.scn... [--shots DIR]
int RunCommand(int argc, char** argv);
// quorlan-sim appearance FILE [--category C --id N]
int AppearanceCommand(int argc, char** argv);
// quorlan-sim png FILE [--raw OUT]
int PngCommand(int argc, char** argv);

}  // namespace sim
