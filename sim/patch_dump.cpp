#include "sim/patch_dump.h"

#include <cstdio>
#include <cstring>
#include <iostream>

#include "host/host_memory.h"
#include "host/library_data.h"
#include "sim/address_space.h"
#include "sim/commands.h"
#include "sim/simulator.h"

namespace sim {
namespace {

std::ostream* dumpOut = nullptr;

uint32_t BytesWritten(const host::PatchEntry& entry) {
  switch (entry.kind) {
    case host::PatchKind::Call:
    case host::PatchKind::Jump:
    case host::PatchKind::ConditionalCall: return 5;
    case host::PatchKind::Nop: return entry.value;
    case host::PatchKind::Dword: return 4;
    case host::PatchKind::Word: return 2;
    case host::PatchKind::Byte: return 1;
  }
  return 0;
}

// The name of a 32-bit value that refers to the library, if it does.
std::string LibrarySymbol(uint32_t value) {
  if (IsToken(value)) {
    const uint16_t handler = HandlerOfToken(value);
    if (handler < host::kHandlerCount) return host::Info(static_cast<host::Handler>(handler)).name;
  }
  for (auto symbol : {host::DataSymbol::LargeMessageBuffer, host::DataSymbol::OutfitPatternZ,
                      host::DataSymbol::AnalyzerText}) {
    const uint32_t base = host::AddressOf(symbol);
    if (value == base) return host::Name(symbol);
    if (symbol == host::DataSymbol::LargeMessageBuffer && value > base &&
        value < base + host::kLargeMessageBufferSize) {
      return std::string(host::Name(symbol)) + "+" + std::to_string(value - base);
    }
  }
  return "";
}

std::string Target(const host::PatchEntry& entry) {
  const bool branch = entry.kind == host::PatchKind::Call || entry.kind == host::PatchKind::Jump ||
                      entry.kind == host::PatchKind::ConditionalCall;
  if (branch) {
    const uint32_t target = entry.address + 5 + host::Read<uint32_t>(entry.address + 1);
    const std::string symbol = LibrarySymbol(target);
    if (!symbol.empty()) return symbol;
    char text[24];
    std::snprintf(text, sizeof(text), "host:0x%06x", target);
    return text;
  }
  if (entry.kind == host::PatchKind::Dword) return LibrarySymbol(host::Read<uint32_t>(entry.address));
  return "";
}

void PrintPatch(const host::PatchEntry& entry) {
  if (dumpOut != nullptr) *dumpOut << DescribePatch(entry) << "\n";
}

}  // namespace

std::string DescribePatch(const host::PatchEntry& entry) {
  char head[32];
  std::snprintf(head, sizeof(head), "%s 0x%06x ", entry.label, entry.address);
  std::string line = head;
  const uint32_t count = BytesWritten(entry);
  for (uint32_t i = 0; i < count; ++i) {
    char byte[4];
    std::snprintf(byte, sizeof(byte), "%02x", host::Read<uint8_t>(entry.address + i));
    line += byte;
  }
  const std::string target = Target(entry);
  if (!target.empty()) line += " " + target;
  return line;
}

void DumpPatches(bool sse2, std::ostream& out) {
  Simulator simulator;
  simulator.Os().SetSse2(sse2);
  dumpOut = &out;
  host::SetPatchObserver(&PrintPatch);
  simulator.Start();
  host::SetPatchObserver(nullptr);
  dumpOut = nullptr;
}

int PatchDumpCommand(int argc, char** argv) {
  bool sse2 = true;
  for (int i = 0; i < argc; ++i) {
    if (std::strcmp(argv[i], "--no-sse2") == 0) {
      sse2 = false;
    } else {
      std::cerr << "usage: quorlan-sim patch-dump [--no-sse2]\n";
      return 2;
    }
  }
  DumpPatches(sse2, std::cout);
  return 0;
}

}  // namespace sim
