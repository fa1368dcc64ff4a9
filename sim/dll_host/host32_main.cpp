// quorlan-host32: the simulated host as an i686 Linux program that loads the
// real quorlan.dll. Commands:
//   run FILE.scn... [--dll PATH] [--shots DIR] [--record FILE]
//                        play scenarios as quorlan-sim does, the library
//                        being the DLL (default build/win32/quorlan.dll)
//   probe [--dll PATH]   load the DLL, list the imports the Win32 layer
//                        lacks, attach it
#include <sys/mman.h>

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "host/host_memory.h"
#include "sim/commands.h"
#include "sim/dll_host/dll_path.h"
#include "sim/dll_host/machine.h"
#include "sim/dll_host/pe/loaded_dll.h"
#include "sim/os/sim_os.h"

namespace sim::dll_host {
namespace {

constexpr uint32_t kHostImageStart = 0x400000;
constexpr uint32_t kHostImageEnd = 0x800000;
// The library checks for the host's CALL here before it patches anything.
constexpr uint32_t kCheckedCallSite = 0x55A147;
constexpr uint8_t kCallOpcode = 0xE8;

constexpr int kExitUsage = 2;
constexpr int kExitLoadFailed = 1;

int Usage() {
  std::fprintf(stderr,
               "usage: quorlan-host32 run FILE.scn... [--dll PATH] [--shots DIR] [--record FILE]\n"
               "       quorlan-host32 probe [--dll PATH]\n");
  return kExitUsage;
}

// The host image's range, zeroed, as the client's code and data would be.
bool MapHostImage() {
  void* at = ::mmap(host::Pointer(kHostImageStart), kHostImageEnd - kHostImageStart,
                    PROT_READ | PROT_WRITE | PROT_EXEC,
                    MAP_PRIVATE | MAP_ANONYMOUS | MAP_FIXED_NOREPLACE, -1, 0);
  if (at == host::Pointer(kHostImageStart)) return true;
  if (at != MAP_FAILED) ::munmap(at, kHostImageEnd - kHostImageStart);
  return false;
}

int Probe(const std::vector<std::string>& args) {
  for (size_t i = 0; i < args.size(); ++i) {
    if (args[i] == "--dll" && i + 1 < args.size()) {
      SetDllPath(args[++i]);
      continue;
    }
    return Usage();
  }
  // The machine lives until the process ends: the DLL's threads use it.
  auto* os = new Os();
  SetMachine(os, nullptr);
  if (!MapHostImage()) {
    std::fprintf(stderr, "quorlan-host32: the host image range 0x%X..0x%X is taken\n",
                 kHostImageStart, kHostImageEnd);
    return kExitLoadFailed;
  }
  host::Write<uint8_t>(kCheckedCallSite, kCallOpcode);

  std::string error;
  std::unique_ptr<LoadedDll> dll = LoadedDll::Load(DllPath(), &error);
  if (dll == nullptr) {
    std::fprintf(stderr, "quorlan-host32: %s\n", error.c_str());
    return kExitLoadFailed;
  }
  std::printf("loaded %s at 0x%08X (%s)\n", DllPath().c_str(), dll->Base(),
              dll->Relocated() ? "relocated" : "preferred base");
  std::printf("unimplemented imports: %zu\n", dll->TrappedImports().size());
  for (const std::string& name : dll->TrappedImports()) std::printf("  %s\n", name.c_str());
  std::fflush(stdout);
  const uint32_t result = dll->Attach();
  std::printf("DllMain(process attach) returned %u\n", result);
  std::fflush(stdout);
  // The DLL's threads keep running on a machine nobody drives: end here.
  std::_Exit(result != 0 ? 0 : 1);
}

}  // namespace
}  // namespace sim::dll_host

int main(int argc, char** argv) {
  const std::vector<std::string> args(argv + 1, argv + argc);
  if (args.empty()) return sim::dll_host::Usage();
  if (args[0] == "run") return sim::RunCommand(argc - 2, argv + 2);
  if (args[0] == "probe") return sim::dll_host::Probe({args.begin() + 1, args.end()});
  return sim::dll_host::Usage();
}
