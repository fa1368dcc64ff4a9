// Shared set-up of the widget tests: a simulated host for the drawing calls
// and the clock, draw calls as readable strings, and a handler that records
// the events it receives.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "host/clock.h"
#include "host/handlers.h"
#include "host/task_queue.h"
#include "sim/simulator.h"

namespace widget_test {

struct Event {
  int32_t code;
  int32_t value;
  bool operator==(const Event&) const = default;
};

inline std::vector<Event>& Received() {
  static std::vector<Event> events;
  return events;
}

inline void Record(int32_t code, int32_t value) { Received().push_back({code, value}); }

inline std::string Call(const std::string& name, const std::vector<int32_t>& args,
                        const std::string& text = "") {
  std::string out = name + "(";
  for (size_t i = 0; i < args.size(); ++i) out += (i == 0 ? "" : ", ") + std::to_string(args[i]);
  if (!text.empty()) out += ", \"" + text + "\"";
  return out + ")";
}

// Expected draw calls, all on surface 1.
inline std::string Fill(int32_t x, int32_t y, int32_t w, int32_t h, int32_t element) {
  return Call("HostFillRect", {1, x, y, w, h, element, 0, 0});
}
inline std::string Skin(int32_t x, int32_t y, int32_t srcX, int32_t srcY, int32_t w, int32_t h,
                        int32_t sheet = 4) {
  return Call("HostDrawSkin", {1, x, y, sheet, srcX, srcY, w, h});
}
inline std::string Rgb(int32_t x, int32_t y, int32_t w, int32_t h, int32_t r, int32_t g,
                       int32_t b) {
  return Call("RendererFill", {1, x, y, w, h, r, g, b});
}
inline std::string Grey(int32_t x, int32_t y, int32_t w, int32_t h, int32_t level) {
  return Rgb(x, y, w, h, level, level, level);
}
inline std::string Text(int32_t x, int32_t y, int32_t font, int32_t r, int32_t g, int32_t b,
                        const std::string& text, int32_t align) {
  return Call("HostDrawText", {1, x, y, font, r, g, b, align}, text);
}
// A one-pixel bevel: top and left lines, then bottom and right lines.
inline std::vector<std::string> BevelLines(int32_t x, int32_t y, int32_t w, int32_t h,
                                           std::vector<int32_t> light, std::vector<int32_t> dark) {
  return {Rgb(x, y, w, 1, light[0], light[1], light[2]),
          Rgb(x, y, 1, h, light[0], light[1], light[2]),
          Rgb(x, y + h - 1, w, 1, dark[0], dark[1], dark[2]),
          Rgb(x + w - 1, y, 1, h, dark[0], dark[1], dark[2])};
}

inline void Append(std::vector<std::string>& to, const std::vector<std::string>& more) {
  to.insert(to.end(), more.begin(), more.end());
}

class WidgetTest : public ::testing::Test {
 protected:
  void SetUp() override {
    host::CreateTaskQueueLock();
    host::RunMainThreadTasks();
    Received().clear();
    // The clock starts at 1000 ms: a click time of 0 means "no click".
    host::ResetClockForTests();
    ClockMillis();
    Advance(1000);
  }
  // Queued events own heap records: run them so none is left behind.
  void TearDown() override { host::RunMainThreadTasks(); }

  void Advance(uint32_t ms) { simulator.Os().AdvanceClock(ms); }

  std::vector<std::string> TakeDraws() {
    std::vector<std::string> out;
    for (const sim::DrawCall& call : std::exchange(simulator.Host().Draws(), {})) {
      out.push_back(Call(call.name, call.args, call.text));
    }
    return out;
  }

  // Runs the main-thread queue and returns the events it delivered, in the
  // order the handlers ran.
  std::vector<Event> RunEvents() {
    host::RunMainThreadTasks();
    return std::exchange(Received(), {});
  }

  sim::Simulator simulator;
};

}  // namespace widget_test
