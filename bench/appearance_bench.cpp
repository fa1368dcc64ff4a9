// The appearance file: parsing a file of realistic size, measured against a
// plain pass over the same bytes in the same run, and the animated item
// sprite-index getter the host calls for every item it draws.
//
// Counters of BM_ParseAppearanceFile, per iteration: parse_ms; plain_ms, a
// pass summing the bytes as u32 through the bounded reader, and ratio =
// parse / plain (target: <= 4); raw_ms, the same sum straight from memory,
// and raw_ratio = parse / raw. The reported time is the parse alone.
#include <benchmark/benchmark.h>

#include <chrono>
#include <cstring>
#include <random>
#include <vector>

#include "host/appearance/appearance_parser.h"
#include "host/appearance/appearance_store.h"
#include "host/clock.h"
#include "host/handlers.h"
#include "sim/appearance_writer.h"
#include "sim/simulator.h"

namespace {

using appearance::Category;
using namespace sim::appearance_file;

constexpr uint16_t kItems = 35000;
constexpr uint16_t kOutfits = 1500;
constexpr uint16_t kEffects = 200;
constexpr uint16_t kMissiles = 100;

// A quarter of all records animate; sizes and attributes roughly as a
// game's data has them (most items one sprite, outfits four directions,
// two layers, mounted and unmounted, eight walking frames).
class RealisticFile {
 public:
  RealisticFile() : random_(20240607) {}

  std::vector<uint8_t> Bytes() {
    AppearanceFileWriter writer;
    for (uint32_t id = 100; id < 100u + kItems; ++id) {
      writer.Set(Category::Item, static_cast<uint16_t>(id), Item());
    }
    for (uint16_t id = 1; id <= kOutfits; ++id) writer.Set(Category::Outfit, id, Outfit());
    for (uint16_t id = 1; id <= kEffects; ++id) writer.Set(Category::Effect, id, Effect());
    for (uint16_t id = 1; id <= kMissiles; ++id) writer.Set(Category::Missile, id, Missile());
    return writer.Bytes();
  }

 private:
  uint32_t Pick(uint32_t low, uint32_t high) {
    return std::uniform_int_distribution<uint32_t>(low, high)(random_);
  }
  bool Animated() { return Pick(0, 3) == 0; }

  Animation Timing(uint8_t frames) {
    Animation animation{.mode = static_cast<uint8_t>(Pick(0, 1)), .start = -1};
    for (uint8_t f = 0; f < frames; ++f) {
      const uint32_t min = Pick(80, 200);
      animation.durations.push_back({min, min + Pick(0, 100)});
    }
    return animation;
  }

  RecordSpec Item() {
    RecordSpec item;
    item.attributes = {Flag(static_cast<uint8_t>(Pick(1, 7)))};
    if (Pick(0, 2) == 0)
      item.attributes.push_back(Values(0, {static_cast<uint16_t>(Pick(1, 200))}));
    if (Pick(0, 3) == 0) item.attributes.push_back(Values(24, {8, 8}));
    if (Pick(0, 2) == 0) item.attributes.push_back(Market(1, 2, 3, "an item of the market", 4, 5));
    Group group;
    switch (Pick(0, 9)) {
      case 0: group.width = group.height = 2, group.exactSize = 64; break;
      case 1: group.patternX = 4, group.patternY = 2; break;
      default: break;
    }
    if (Animated()) {
      group.frames = static_cast<uint8_t>(Pick(3, 8));
      group.animation = Timing(group.frames);
    }
    item.groups = {group};
    return item;
  }

  RecordSpec Outfit() {
    RecordSpec outfit;
    outfit.attributes = {Values(24, {8, 8})};
    Group standing{.type = 0, .layers = 2, .patternX = 4, .patternZ = 2};
    if (Animated()) {
      standing.frames = 3;
      standing.animation = Timing(3);
    }
    Group walking{.type = 1, .layers = 2, .patternX = 4, .patternZ = 2, .frames = 8};
    walking.animation = Timing(8);
    outfit.groups = {standing, walking};
    return outfit;
  }

  RecordSpec Effect() {
    const auto frames = static_cast<uint8_t>(Pick(6, 12));
    return {.groups = {Group{.frames = frames, .animation = Timing(frames)}}};
  }

  RecordSpec Missile() {
    Group group{.patternX = 3, .patternY = 3};
    if (Animated()) {
      group.frames = 2;
      group.animation = Timing(2);
    }
    return {.groups = {group}};
  }

  std::mt19937 random_;
};

const std::vector<uint8_t>& FileBytes() {
  static const std::vector<uint8_t> bytes = RealisticFile().Bytes();
  return bytes;
}

// The two plain passes: a sum of the bytes as u32 straight from memory
// (the compiler vectorises it: memory bandwidth), and the same sum read
// value by value through the bounded reader the parser reads with.
uint32_t RawPass(const std::vector<uint8_t>& bytes) {
  uint32_t sum = 0;
  size_t i = 0;
  for (; i + 4 <= bytes.size(); i += 4) {
    uint32_t value;
    std::memcpy(&value, bytes.data() + i, 4);
    sum += value;
  }
  for (; i < bytes.size(); ++i) sum += bytes[i];
  return sum;
}

uint32_t ReaderPass(const std::vector<uint8_t>& bytes) {
  appearance::BoundedReader reader(bytes.data(), bytes.size());
  uint32_t sum = 0;
  while (reader.Remaining() > 0) sum += reader.ReadU32();
  return sum;
}

double Seconds(std::chrono::steady_clock::duration d) {
  return std::chrono::duration<double>(d).count();
}

void BM_ParseAppearanceFile(benchmark::State& state) {
  const std::vector<uint8_t>& bytes = FileBytes();
  appearance::AppearanceStore store;
  double parse = 0, plain = 0, raw = 0;
  for (auto _ : state) {
    const auto start = std::chrono::steady_clock::now();
    appearance::BoundedReader reader(bytes.data(), bytes.size());
    const bool parsed = appearance::ParseAppearances(reader, store);
    const auto parsedAt = std::chrono::steady_clock::now();
    benchmark::DoNotOptimize(ReaderPass(bytes));
    const auto readAt = std::chrono::steady_clock::now();
    benchmark::DoNotOptimize(RawPass(bytes));
    const auto summedAt = std::chrono::steady_clock::now();
    if (!parsed) state.SkipWithError("the generated file did not parse");
    parse += Seconds(parsedAt - start);
    plain += Seconds(readAt - parsedAt);
    raw += Seconds(summedAt - readAt);
    state.SetIterationTime(Seconds(parsedAt - start));
  }
  const double n = static_cast<double>(state.iterations());
  state.counters["parse_ms"] = parse * 1000 / n;
  state.counters["plain_ms"] = plain * 1000 / n;
  state.counters["ratio"] = parse / plain;
  state.counters["raw_ms"] = raw * 1000 / n;
  state.counters["raw_ratio"] = parse / raw;
  state.counters["file_MB"] = static_cast<double>(bytes.size()) / 1e6;
  state.SetBytesProcessed(static_cast<int64_t>(n * static_cast<double>(bytes.size())));
}
BENCHMARK(BM_ParseAppearanceFile)->UseManualTime()->Unit(benchmark::kMillisecond);

// One call per item id, cycling over every item, the clock moving on a
// millisecond between passes.
void BM_ItemSpriteIndexAnimated(benchmark::State& state) {
  sim::Simulator simulator;
  host::ResetClockForTests();
  appearance::BoundedReader reader(FileBytes().data(), FileBytes().size());
  if (!appearance::ParseAppearances(reader, appearance::Store())) {
    state.SkipWithError("the generated file did not parse");
    return;
  }
  int32_t id = 100;
  for (auto _ : state) {
    benchmark::DoNotOptimize(ItemSpriteIndexAnimated(id, 1, 1, 1, 1, 1, 1));
    if (++id == 100 + kItems) {
      id = 100;
      simulator.Os().AdvanceClock(1);
    }
  }
  state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_ItemSpriteIndexAnimated);

}  // namespace
