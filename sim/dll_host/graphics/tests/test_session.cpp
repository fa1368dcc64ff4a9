// The graphics test program's session: the draw records collected in a
// list, FailScenario as an exception the tests can expect. Only this test
// program links it (in place of draw_sink.cpp).
#include "sim/dll_host/graphics/tests/test_session.h"

#include "sim/dll_host/graphics/texture_record.h"
#include "sim/dll_host/session.h"

namespace sim::dll_host {

void FailScenario(const std::string& message) { throw test::ScenarioFailed(message); }

namespace graphics {
void PushDraw(DrawCall call) { test::Draws().push_back(std::move(call)); }
}  // namespace graphics

}  // namespace sim::dll_host

namespace sim::dll_host::test {

std::vector<DrawCall>& Draws() {
  static std::vector<DrawCall> draws;
  return draws;
}

}  // namespace sim::dll_host::test
