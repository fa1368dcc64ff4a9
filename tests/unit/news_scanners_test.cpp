// The status document's news text, boosted creatures and event schedule,
// found by scanning.
#include <gtest/gtest.h>

#include <string>

#include "web/news/member_scan.h"
#include "web/news/status_scanners.h"

namespace {

std::string News(const std::string& description) {
  return news::ScanNewsText(R"({"showoff":{"id":1,"description":")" + description + "\"}}");
}

TEST(NewsText, CleansTheDescriptionStepByStep) {
  const struct {
    const char* raw;
    const char* text;
  } cases[] = {
      {"plain", "plain"},
      // Unicode escapes: one byte up to 255, "?" above, 2000-27FF and pairs dropped.
      {R"(caf\u00e9)", "caf\xE9"},
      {R"(wait\u2026)", "wait"},
      {R"(\u27FF\u2800x)", "?x"},
      {R"(\u4e2d!)", "?!"},
      {R"(a\ud83d\ude00b)", "ab"},
      {R"(a\ud83dx)", "a?x"},
      {R"(\u00zz)", R"(\u00zz)"},
      {R"(\u0000a)", "a"},
      // Entities in order, each once over the whole text.
      {"&amp;lt;", "&lt;"},
      {"&quot;hi&quot; &#39;x&#39; &gt;", "\"hi\" 'x' >"},
      {"&lt;b&gt;bold&lt;/b&gt;", "bold"},
      // Line breaks, then tags.
      {"a<br><br>b<br/>c<br />d<br>e", "a\nb\nc\nd\ne"},
      {"<p>one</p><a href='x'>two</a>", "onetwo"},
      {"1 < 2", "1 < 2"},
      // The document's escapes of line ends are dropped, blanks trimmed.
      {R"(a\r\nb\nc\rd)", "abcd"},
      {"  a  <br>\t<br> \tb\t", "a\nb"},
      {R"(say \"hi\")", R"(say \"hi\")"},
      {"", ""},
  };
  for (const auto& c : cases) EXPECT_EQ(News(c.raw), c.text) << c.raw;
}

TEST(NewsText, FindsTheDescriptionOfShowoffOnly) {
  const struct {
    const char* document;
    const char* text;
  } cases[] = {
      {R"({"description":"elsewhere","showoff":{"description":"news"}})", "news"},
      {R"({"showoff":{"title":"t"}})", ""},
      {R"({"showoff": {"description":"spaced"}})", ""},
      {R"({"x":1})", ""},
      {R"({"showoff":{"description":"no end)", "no end"},
      {R"({"showoff":{"description":"ends \\"},"x":"y"})", R"(ends \\)"},
  };
  for (const auto& c : cases) EXPECT_EQ(news::ScanNewsText(c.document), c.text) << c.document;
}

TEST(NewsMembers, ReadsNumbersAsDecimals) {
  const struct {
    const char* document;
    bool found;
    int32_t value;
  } cases[] = {
      {R"({"n":42})", true, 42},
      {R"({"n": 	 "17" })", true, 17},
      {R"({"n":-5,"m":1})", true, -5},
      {R"({"n":"abc"})", true, 0},
      {R"({"n":12ab})", true, 12},
      {R"({"n":99999999999})", true, 2147483647},
      {R"({"n":-99999999999})", true, -2147483647 - 1},
      {R"({"n":)", true, 0},
      {R"({"m":1})", false, 0},
  };
  for (const auto& c : cases) {
    int32_t value = 0;
    const std::string_view doc = c.document;
    EXPECT_EQ(news::ReadNumber(doc, "n", {0, doc.size(), true}, &value), c.found) << c.document;
    EXPECT_EQ(value, c.value) << c.document;
  }
}

TEST(BoostedScan, ReadsEachRecordInsideItsObject) {
  const std::string document =
      R"({"boostedcreature":{"creature":{"type":130,"head":1,"body":2,"legs":3,"feet":140,)"
      R"("addons":3,"name":"Rat","percent":50},"boss":{"name":"Orshabaal","percent":25},)"
      R"("loot":{"name":"Gold","percent":"30"},"respawn":{"percent":7},"type":9}})";
  const news::BoostedRecords r = news::ScanBoosted(document);
  EXPECT_EQ(r[news::kCreature].type, 130);
  EXPECT_EQ(r[news::kCreature].head, 1);
  EXPECT_EQ(r[news::kCreature].feet, 140);
  EXPECT_EQ(r[news::kCreature].addons, 3);
  EXPECT_EQ(r[news::kCreature].name, "Rat");
  EXPECT_EQ(r[news::kCreature].percent, 50);
  // A boss without a type has no outfit, and so no name and percent either,
  // even with a type further on.
  EXPECT_EQ(r[news::kBoss].type, 0);
  EXPECT_EQ(r[news::kBoss].name, "");
  EXPECT_EQ(r[news::kBoss].percent, 0);
  EXPECT_EQ(r[news::kLoot].name, "Gold");
  EXPECT_EQ(r[news::kLoot].percent, 30);
  EXPECT_EQ(r[news::kLoot].type, 0);
  EXPECT_EQ(r[news::kRespawn].name, "");  // not the next object's
  EXPECT_EQ(r[news::kRespawn].percent, 7);

  const news::BoostedRecords none = news::ScanBoosted(R"({"creature":{"type":5}})");
  for (const auto& record : none) EXPECT_FALSE(record.HasOutfit());
}

TEST(EventScan, SortsByTheTimeOfTheFetch) {
  constexpr int64_t kNow = 1000;
  const std::string document =
      R"({"eventschedule":{"eventlist":[)"
      R"({"name":"Ended","startdate":10,"enddate":999},)"
      R"({"name":"Ends now","description":"caf\u00e9 \u4e2d","startdate":10,"enddate":1000},)"
      R"({"description":"no name","startdate":1,"enddate":5000},)"
      R"({"name":"Soon [x]","startdate":1001,"enddate":2000},)"
      R"({"name":"Starts now","startdate":"1000","enddate":1000}],)"
      R"("other":[{"name":"Outside","startdate":1,"enddate":9999}]}})";
  const news::EventSchedule s = news::ScanEventSchedule(document, kNow);
  ASSERT_EQ(s.running.size(), 2u);
  EXPECT_EQ(s.running[0].name, "Ends now");
  EXPECT_EQ(s.running[0].description, "caf\xE9 ?");
  EXPECT_EQ(s.running[0].colour, "green");
  EXPECT_EQ(s.running[1].name, "Starts now");
  ASSERT_EQ(s.coming.size(), 1u);
  EXPECT_EQ(s.coming[0].name, "Soon [x]");
  EXPECT_EQ(s.coming[0].colour, "yellow");
  EXPECT_EQ(s.coming[0].start, 1001);
  EXPECT_EQ(s.coming[0].end, 2000);
}

TEST(EventScan, AnObjectNeverClosedEndsTheList) {
  const std::string document =
      R"({"eventschedule":{"eventlist":[{"name":"A","enddate":50},{"name":"B","enddate":50)";
  const news::EventSchedule s = news::ScanEventSchedule(document, 0);
  ASSERT_EQ(s.running.size(), 1u);
  EXPECT_EQ(s.running[0].name, "A");
  EXPECT_TRUE(news::ScanEventSchedule(R"({"eventlist":[{"name":"A","enddate":9}]})", 0)
                  .running.empty());
}

}  // namespace
