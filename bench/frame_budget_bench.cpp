// The library's frame budget: one host frame (the frame tick and the frame
// draw) with every feature window open and filled as a player and a server
// fill them, measured in CPU time and host calls.
//
// Each case starts a fresh simulated host and plays a scenario text on it
// (bench/frame_scenes.cpp): server messages through the host's message
// pump, windows opened by side-panel commands and clicks. Every case has the
// eight docked and floating windows open (the analyzer and its trackers,
// the prey, imbuement and bestiary trackers, NPC trade) and the side panel;
// the modal slot holds one dialog at a time, so there is one case per
// dialog. The login screen's panels are a case of their own.
//
// The time column is the library's share of a frame (the simulator only
// counts the library's drawing calls meanwhile); "recorded_us" is the same
// frame with every host call recorded as the scenarios record them, and
// "host_calls" the calls of one frame, the host's own included.
//
// Targets: 50 us a frame with everything open, and the frame with the
// longest lists a message can carry within 1.2 times the realistic one
// (counter "ratio" of the "longest" cases: their CPU time over the median
// of the realistic case's runs). Build with the release preset:
//   cmake --preset release && cmake --build build/release --target quorlan_bench
//   build/release/quorlan_bench --benchmark_filter=FrameBudget --benchmark_repetitions=3
#include <benchmark/benchmark.h>

#include <algorithm>
#include <ctime>
#include <map>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "bench/frame_scenes.h"
#include "sim/scenario/context.h"
#include "sim/scenario/runner.h"

namespace {

// The benchmark thread's CPU time in microseconds: the machine is shared,
// and a frame's wall time counts other programs' turns.
double ThreadCpuMicros() {
  timespec now{};
  clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
  return static_cast<double>(now.tv_sec) * 1e6 + static_cast<double>(now.tv_nsec) / 1e3;
}

// The CPU times a frame took in each realistic case, one per run of it, in
// microseconds; a longest case is compared with their median, as it is one
// run among several too (the best of them would favour the realistic case).
std::map<std::string, std::vector<double>>& RealisticTimes() {
  static std::map<std::string, std::vector<double>> times;
  return times;
}

constexpr benchmark::IterationCount kReferenceIterations = 100;

double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  const size_t middle = values.size() / 2;
  return values.size() % 2 == 1 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

// One simulated host for every case, as the library's state is the
// process's: a case leaves the game (which closes the feature windows and
// forgets what the server sent) and sets its own scene up. Google Benchmark
// calls a case's function several times; the scene set up stays.
struct Session {
  std::ostringstream errors;
  sim::scenario::Context context{"frame_budget", sim::scenario::RunOptions{}, errors};
  std::string scene;  // the scene set up now, with its list length
};

Session& TheSession() {
  static Session& session = *new Session;  // lives as long as the library's own state
  return session;
}

// Sets `scene` up unless it is; answers an error text, empty when it worked.
std::string SetUp(const bench::Scene& scene, bool longest) {
  Session& session = TheSession();
  const std::string key = scene.name + (longest ? "/longest" : "/realistic");
  if (session.scene == key) return {};
  session.scene.clear();
  session.errors.str("");
  // The login screen is the first scene, on the host as it started.
  const std::string leave = scene.inGame ? "state 0\nframe 2\n" : "";
  const int failedBefore = session.context.Failed();
  const sim::scenario::FileResult result = sim::scenario::PlayScenarioText(
      session.context, key, leave + bench::SceneScript(scene, longest), session.errors);
  if (result.outcome == sim::scenario::Outcome::Unreadable ||
      session.context.Failed() > failedBefore) {
    return session.errors.str();
  }
  session.scene = key;
  return {};
}

void MeasureFrame(benchmark::State& state, const bench::Scene& scene, bool longest) {
  const std::string error = SetUp(scene, longest);
  if (!error.empty()) {
    state.SkipWithError(("the scene did not set up: " + error).c_str());
    return;
  }
  sim::SimHost& host = TheSession().context.Sim().Host();
  sim::Simulator& simulator = TheSession().context.Sim();
  simulator.Frame();  // the frame after the setup: whatever it laid out once is in place
  // The host calls of one frame: the library's drawing calls and the host's
  // own (its side panel, its renderer's frame) as the simulator records them.
  const double hostCalls = static_cast<double>(simulator.Host().Draws().size());

  // The library's share: its drawing calls only counted, so the time is the
  // library's own code and the calls into the host, not the simulator's record.
  host.SetCountOnly(true);
  const double start = ThreadCpuMicros();
  for (auto _ : state) {
    simulator.Frame();
    benchmark::DoNotOptimize(host.Draws().data());
  }
  const double micros =
      (ThreadCpuMicros() - start) /
      static_cast<double>(std::max<benchmark::IterationCount>(state.iterations(), 1));
  host.SetCountOnly(false);

  // The same frames with every call recorded, as the scenarios see them.
  constexpr int kRecordedFrames = 200;
  const double recordedStart = ThreadCpuMicros();
  for (int i = 0; i < kRecordedFrames; ++i) simulator.Frame();
  state.counters["recorded_us"] = (ThreadCpuMicros() - recordedStart) / kRecordedFrames;
  state.counters["host_calls"] = hostCalls;
  if (!longest) {
    // Google Benchmark first tries a few iterations to size a run: those
    // short tries are no reference.
    if (state.iterations() >= kReferenceIterations) RealisticTimes()[scene.name].push_back(micros);
    return;
  }
  state.counters["entries"] = static_cast<double>(scene.longestEntries);
  const auto realistic = RealisticTimes().find(scene.name);
  if (realistic != RealisticTimes().end() && !realistic->second.empty()) {
    state.counters["ratio"] = micros / Median(realistic->second);
  }
}

// Realistic first, so that the longest case of a scene has its reference.
const int kRegistered = [] {
  for (const bench::Scene& scene : bench::Scenes()) {
    benchmark::RegisterBenchmark(("FrameBudget/" + scene.name + "/realistic").c_str(),
                                 [&scene](benchmark::State& s) { MeasureFrame(s, scene, false); })
        ->Unit(benchmark::kMicrosecond);
    if (scene.longestEntries == 0) continue;
    benchmark::RegisterBenchmark(("FrameBudget/" + scene.name + "/longest").c_str(),
                                 [&scene](benchmark::State& s) { MeasureFrame(s, scene, true); })
        ->Unit(benchmark::kMicrosecond);
  }
  return 0;
}();

}  // namespace
