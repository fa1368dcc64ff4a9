// The opcode pump's cost per opcode: host opcodes (a range check and a
// table lookup before they go back to the host) and a small library opcode
// (242: one payload byte). The pump is called through its guard, as the
// host calls it.
//
// PassThroughRatio sets the host opcodes' pass-through against the least a
// pass-through can cost, one empty indirect call through a table per
// opcode, timed in the same run: the goal is a ratio of at most 3. Build
// with the release preset:
//   cmake --preset release && cmake --build build/release --target quorlan_bench
#include <benchmark/benchmark.h>

#include <array>
#include <chrono>
#include <vector>

#include "host/entry_guard.h"
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

// What the host's loop calls at the patched site.
constexpr auto Pump = &host::GuardedEntry<host::Handler::OpcodePump, &OpcodePump>::Call;

// The pump alone: called until the message ends, as the host's loop calls
// it. The message is put back in place outside the timing.
void PumpOnly(benchmark::State& state, Mix mix) {
  sim::Simulator simulator;
  StartInGame(simulator);
  const std::vector<uint8_t> bytes = Message(mix);
  for (auto _ : state) {
    state.PauseTiming();
    simulator.Host().SetMessage(bytes);
    state.ResumeTiming();
    int32_t last = 0;
    while ((last = Pump()) != -1) benchmark::DoNotOptimize(last);
  }
  ReportPerOpcode(state);
}

// ---- the pass-through against empty indirect calls ----------------------------

__attribute__((noinline)) int32_t Nothing(int32_t opcode) { return opcode; }
using Step = int32_t (*)(int32_t);

// kOpcodes indirect calls through a 256-entry table of empty functions,
// indexed by the message's bytes as a dispatch table would be.
int64_t EmptyCallsNanos(const std::vector<uint8_t>& bytes) {
  static std::array<Step, 256> table;
  table.fill(&Nothing);
  Step* entries = table.data();
  benchmark::DoNotOptimize(entries);  // the calls stay indirect
  const auto start = std::chrono::steady_clock::now();
  for (uint8_t opcode : bytes) benchmark::DoNotOptimize(entries[opcode](opcode));
  return std::chrono::duration_cast<std::chrono::nanoseconds>(std::chrono::steady_clock::now() -
                                                              start)
      .count();
}

int64_t PumpNanos(sim::Simulator& simulator, const std::vector<uint8_t>& bytes) {
  simulator.Host().SetMessage(bytes);
  const auto start = std::chrono::steady_clock::now();
  int32_t last = 0;
  while ((last = Pump()) != -1) benchmark::DoNotOptimize(last);
  return std::chrono::duration_cast<std::chrono::nanoseconds>(std::chrono::steady_clock::now() -
                                                              start)
      .count();
}

// Both loops in each iteration, over the same host opcodes; the counters
// are per opcode, and `ratio` is the pump's time over the empty calls'.
void PassThroughRatio(benchmark::State& state) {
  sim::Simulator simulator;
  StartInGame(simulator);
  const std::vector<uint8_t> bytes = Message(Mix::Host);
  int64_t pump = 0, empty = 0;
  for (auto _ : state) {
    pump += PumpNanos(simulator, bytes);
    empty += EmptyCallsNanos(bytes);
  }
  const double opcodes = static_cast<double>(state.iterations()) * kOpcodes;
  state.counters["pump_ns"] = static_cast<double>(pump) / opcodes;
  state.counters["empty_call_ns"] = static_cast<double>(empty) / opcodes;
  state.counters["ratio"] = static_cast<double>(pump) / static_cast<double>(empty);
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
BENCHMARK(PassThroughRatio);

}  // namespace
