// The opcode pump's cost per opcode: host opcodes (a range check and a
// table lookup before they go back to the host) and a small library opcode
// (242: one payload byte). Build with the release preset:
//   cmake --preset release && cmake --build build/release --target quorlan_bench
#include <benchmark/benchmark.h>

#include <vector>

#include "host/handlers.h"
#include "host/host_functions.h"
#include "sim/simulator.h"

namespace {

constexpr int kOpcodes = 1000;
constexpr uint8_t kHostOpcode = 100;          // no handler registered
constexpr uint8_t kLibraryOpcode = 242;       // coin-balance flag
constexpr uint8_t kLibraryPayload = 1;        // leaves the balances alone

enum class Mix { Host, Library, Half };

// kOpcodes opcodes; `Half` alternates library and host opcodes.
std::vector<uint8_t> Message(Mix mix) {
  std::vector<uint8_t> bytes;
  for (int i = 0; i < kOpcodes; ++i) {
    const bool library = mix == Mix::Library || (mix == Mix::Half && i % 2 == 0);
    if (library) {
      bytes.push_back(kLibraryOpcode);
      bytes.push_back(kLibraryPayload);
    } else {
      bytes.push_back(kHostOpcode);
    }
  }
  return bytes;
}

void ReportPerOpcode(benchmark::State& state) {
  state.counters["per_opcode"] = benchmark::Counter(
      kOpcodes, benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}

// A host in game with the library attached and its start-up threads done.
void StartInGame(sim::Simulator& simulator) {
  simulator.Start();
  simulator.WaitForWorkers();
  simulator.SetGameState(8);
}

// The pump alone: OpcodePump called until the message ends, as the host's
// loop calls it. The message is put back in place outside the timing.
void PumpOnly(benchmark::State& state, Mix mix) {
  sim::Simulator simulator;
  StartInGame(simulator);
  const std::vector<uint8_t> bytes = Message(mix);
  for (auto _ : state) {
    state.PauseTiming();
    simulator.Host().SetMessage(bytes);
    state.ResumeTiming();
    int32_t last = 0;
    while ((last = OpcodePump()) != -1) benchmark::DoNotOptimize(last);
  }
  ReportPerOpcode(state);
}

// The whole road: the simulated host's parsing loop through the patched call
// site (includes the simulator's own message set-up and call dispatch).
void ThroughHostLoop(benchmark::State& state, Mix mix) {
  sim::Simulator simulator;
  StartInGame(simulator);
  const std::vector<uint8_t> bytes = Message(mix);
  for (auto _ : state) benchmark::DoNotOptimize(simulator.ServerMessage(bytes));
  ReportPerOpcode(state);
}

BENCHMARK_CAPTURE(PumpOnly, host_opcodes, Mix::Host);
BENCHMARK_CAPTURE(PumpOnly, library_opcodes, Mix::Library);
BENCHMARK_CAPTURE(PumpOnly, half_and_half, Mix::Half);
BENCHMARK_CAPTURE(ThroughHostLoop, half_and_half, Mix::Half);

}  // namespace
