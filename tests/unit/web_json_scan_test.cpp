// The status document's values, found by scanning.
#include <gtest/gtest.h>

#include "web/json_scan.h"

namespace {

TEST(HttpJsonScan, FindsTheValueAfterTheFirstKey) {
  const struct {
    const char* document;
    const char* key;
    const char* value;
  } cases[] = {
      {R"({"online":57,"discord_online":"12"})", "online", "57"},
      {R"({"online":57,"discord_online":"12"})", "discord_online", "12"},
      {R"({"online":"57 Players","x":1})", "online", "57"},
      {R"({"online": 57})", "online", "57"},
      {R"({"online":  " 57"})", "online", "57"},
      {R"({"x":1})", "online", "0"},
      {R"({"discord_online":3})", "online", "0"},  // "online" only inside another key
      {R"({"online":1,"online":2})", "online", "1"},
      {R"({"a":1,"online":42)", "online", "42"},  // the value runs to the end
      {R"({"online":)", "online", ""},
      {R"({"online":"","b":2})", "online", ""},
      {R"({"online":"Players: 57 Players"})", "online", "Players: 57"},
      {"", "online", "0"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(web::JsonFindValue(c.document, c.key), c.value) << c.document << " " << c.key;
  }
}

}  // namespace
