// A minimal test registry for the Win32 layer's i686 test program: each
// TEST_CASE registers itself; CHECK records a failure with its line and
// carries on, so one run reports every broken rule.
#pragma once

#include <cstdio>
#include <functional>
#include <string>
#include <type_traits>
#include <vector>

namespace layer_test {

struct Case {
  const char* name;
  std::function<void()> body;
};
std::vector<Case>& Cases();
void Failed(const char* file, int line, const std::string& what);

struct Registrar {
  Registrar(const char* name, std::function<void()> body) { Cases().push_back({name, body}); }
};

}  // namespace layer_test

#define LT_CONCAT2(a, b) a##b
#define LT_CONCAT(a, b) LT_CONCAT2(a, b)
#define TEST_CASE(name)                                                            \
  static void LT_CONCAT(TestBody, __LINE__)();                                     \
  static layer_test::Registrar LT_CONCAT(testRegistrar, __LINE__)(name, &LT_CONCAT(TestBody, __LINE__)); \
  static void LT_CONCAT(TestBody, __LINE__)()
#define CHECK(condition) \
  ((condition) ? (void)0 : layer_test::Failed(__FILE__, __LINE__, #condition))
#define CHECK_EQ(actual, expected)                                                      \
  do {                                                                                  \
    const auto& checkActual = (actual);                                                 \
    const auto& checkExpected = (expected);                                             \
    if (!(checkActual == checkExpected)) {                                              \
      layer_test::Failed(__FILE__, __LINE__, std::string(#actual " == " #expected " (got ") + \
                                                 layer_test::Shown(checkActual) + ")"); \
    }                                                                                   \
  } while (0)

namespace layer_test {
inline std::string Shown(const std::string& value) { return "\"" + value + "\""; }
inline std::string Shown(const char* value) { return value ? Shown(std::string(value)) : "null"; }
template <class T>
std::string Shown(const T& value) {
  if constexpr (std::is_pointer_v<T>) {
    char text[32];
    std::snprintf(text, sizeof text, "%p", static_cast<const void*>(value));
    return text;
  } else {
    return std::to_string(value);
  }
}
}  // namespace layer_test
