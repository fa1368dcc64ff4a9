#include <cstdio>
#include <exception>

#include "sim/dll_host/win32/tests/layer_test.h"

namespace layer_test {

std::vector<Case>& Cases() {
  static std::vector<Case> cases;
  return cases;
}

namespace {
int failures = 0;
}

void Failed(const char* file, int line, const std::string& what) {
  ++failures;
  std::printf("  FAILED %s:%d: %s\n", file, line, what.c_str());
}

}  // namespace layer_test

int main() {
  int broken = 0;
  for (const layer_test::Case& test : layer_test::Cases()) {
    const int before = layer_test::failures;
    try {
      test.body();
    } catch (const std::exception& e) {
      layer_test::Failed(test.name, 0, std::string("threw: ") + e.what());
    }
    const bool ok = layer_test::failures == before;
    broken += ok ? 0 : 1;
    std::printf("%s %s\n", ok ? "ok  " : "FAIL", test.name);
  }
  std::printf("%zu cases, %d failed\n", layer_test::Cases().size(), broken);
  return broken == 0 ? 0 : 1;
}
