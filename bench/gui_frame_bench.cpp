// One frame's drawing with all eight singleton windows open, each holding
// 20 widgets: the library's share of a host frame. Host drawing calls are
// recorded by the simulator (not rasterised). Target: well under 1% of a
// 60 Hz frame (167 us). Build with the release preset:
//   cmake --preset release && cmake --build build/release --target quorlan_bench
#include <benchmark/benchmark.h>

#include <array>
#include <memory>
#include <string>

#include "gui/screen.h"
#include "gui/widgets.h"
#include "gui/window.h"
#include "gui/window_sets.h"
#include "sim/simulator.h"

namespace {

std::array<GUI_Window*, gui::kSingletonCount> windows{};

// 20 widgets of the kinds feature windows use most.
void Fill(GUI_Window& window) {
  for (int row = 0; row < 5; ++row) {
    const int32_t y = 22 + row * 24;
    window.AddChild(new GUI_Label(8, y, 60, 14, "Label " + std::to_string(row), 0, 200, 200, 200));
    auto* button = new GUI_ButtonColor(70, y, 60, 20, "Button", 0);
    button->interactive = 1;
    window.AddChild(button);
    window.AddChild(new GUI_CheckBox(132, y, 30, 20, "On", row % 2 == 0, 0, 255, 255, 255));
    auto* box = new GUI_TextBox(164, y, 40, 18, "text " + std::to_string(row), 3000 + row, 255,
                                255, 255);
    box->maxLength = 20;
    window.AddChild(box);
  }
}

void FrameWithEightWindows(benchmark::State& state) {
  sim::Simulator simulator;
  ClientWidth = 1600;
  ClientHeight = 1200;
  for (int i = 0; i < gui::kSingletonCount; ++i) {
    windows[i] = new GUI_Window(10 + 180 * (i % 4), 10 + 200 * (i / 4), 210, 150,
                                "Window " + std::to_string(i), i, false);
    Fill(*windows[i]);
    gui::RegisterSingleton(static_cast<gui::Singleton>(i), &windows[i]);
  }
  for (auto _ : state) {
    simulator.Host().Draws().clear();
    gui::DrawSingletons();
    benchmark::DoNotOptimize(simulator.Host().Draws().data());
  }
  state.counters["host_calls"] = static_cast<double>(simulator.Host().Draws().size());
  for (int i = 0; i < gui::kSingletonCount; ++i) {
    gui::RegisterSingleton(static_cast<gui::Singleton>(i), nullptr);
    delete windows[i];
  }
}

BENCHMARK(FrameWithEightWindows)->Unit(benchmark::kMicrosecond);

}  // namespace
