// The record of what the host observed: its quoting, the texture line, the
// file listings, its cursors beside the expectations', and `run --record`
// over several files.
#include <unistd.h>
#include <zlib.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <memory>
#include <sstream>

#include "sim/commands.h"
#include "sim/record/crc32.h"
#include "sim/record/file_listing.h"
#include "sim/record/record_text.h"
#include "sim/record/scenario_record.h"
#include "sim/scenario/runner.h"
#include "sim/scenario/script.h"

namespace {

namespace fs = std::filesystem;
using sim::record::Quoted;

constexpr char kServer[] = "http://127.0.0.1:4711";

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

size_t Count(const std::vector<std::string>& lines, const std::string& line) {
  return static_cast<size_t>(std::count(lines.begin(), lines.end(), line));
}

// Where `line` stands in `lines` (lines.size() when absent).
size_t IndexOf(const std::vector<std::string>& lines, const std::string& line) {
  return static_cast<size_t>(std::find(lines.begin(), lines.end(), line) - lines.begin());
}

TEST(ScenarioRecordText, QuotesAsScenarioStringsAndReadsBack) {
  struct Case {
    std::string text, quoted;
  };
  const Case cases[] = {
      {"plain text", "\"plain text\""},
      {"", "\"\""},
      {"say \"hi\" \\o/", "\"say \\\"hi\\\" \\\\o/\""},
      {"a\nb\rc\td", "\"a\\nb\\rc\\x09d\""},
      {std::string("\x01\x1f \x7f\x80\xe3\xff", 7), "\"\\x01\\x1f \\x7f\\x80\\xe3\\xff\""},
      {std::string("nul\0byte", 8), "\"nul\\x00byte\""},
      {"~ is the last plain byte", "\"~ is the last plain byte\""},
      // The server's address, whose port changes from run to run, is the
      // variable; a "${" of the text itself is escaped.
      {std::string(kServer) + "/api/status.php", "\"${server}/api/status.php\""},
      {std::string(kServer) + std::string(kServer), "\"${server}${server}\""},
      {"costs $5 ${server}", "\"costs $5 \\x24{server}\""},
      {"ends in $", "\"ends in $\""},
      {"http://127.0.0.1:471", "\"http://127.0.0.1:471\""},
  };
  const sim::scenario::Variables variables = {{"server", kServer}};
  for (const Case& c : cases) {
    EXPECT_EQ(Quoted(c.text, kServer), c.quoted) << c.text;
    // The record's strings read back as a scenario line reads them.
    const auto tokens = sim::scenario::Tokenize(c.quoted, 1, &variables);
    ASSERT_EQ(tokens.size(), 1u) << c.quoted;
    EXPECT_EQ(tokens[0].text, c.text) << c.quoted;
  }
  // Without a server nothing is replaced.
  EXPECT_EQ(Quoted(std::string(kServer) + "/x"), "\"http://127.0.0.1:4711/x\"");
}

TEST(ScenarioRecordText, Crc32IsZlibs) {
  const std::string inputs[] = {"", "a", "123456789", std::string(1000, '\xAB'),
                                std::string("\0\xff\x10", 3)};
  for (const std::string& input : inputs) {
    const auto* bytes = reinterpret_cast<const Bytef*>(input.data());
    const auto expected = static_cast<uint32_t>(::crc32(0, bytes, static_cast<uInt>(input.size())));
    EXPECT_EQ(sim::record::Crc32(input.data(), input.size()), expected) << input.size();
    // Continued over two pieces, as a file is read.
    const size_t half = input.size() / 2;
    EXPECT_EQ(sim::record::Crc32(input.data() + half, input.size() - half,
                                 sim::record::Crc32(input.data(), half)),
              expected);
  }
  EXPECT_EQ(sim::record::Crc32("123456789", 9), 0xCBF43926u);  // the standard check value
  EXPECT_EQ(sim::record::Hex32(0x0000BEEFu), "0000beef");
}

TEST(ScenarioRecordText, DrawLines) {
  auto picture = std::make_shared<sim::DrawnPicture>();
  picture->width = 2;
  picture->height = 1;
  picture->rgba = {255, 0, 0, 255, 0, 0, 255, 0};
  const uint32_t crc = static_cast<uint32_t>(::crc32(0, picture->rgba.data(), 8));
  // args: surface, smooth, x, y, w, h, renderer kind; the text is the path.
  const sim::DrawCall texture{sim::kTextureDraw, {1, 0, 30, 40, 64, 32, 0}, "C:\\a\\x.png", picture};
  const std::string expected = "Texture(30, 40, 64, 32) 2x1 " + sim::record::Hex32(crc);
  EXPECT_EQ(sim::record::DrawLine(texture), expected);

  // What only the simulated host knows (surface, smoothing, kind, path)
  // leaves the line alone; the rectangle and the pixels do not.
  const sim::DrawCall elsewhere{sim::kTextureDraw, {7, 1, 30, 40, 64, 32, 2}, "/other/y.png", picture};
  EXPECT_EQ(sim::record::DrawLine(elsewhere), expected);
  const sim::DrawCall moved{sim::kTextureDraw, {1, 0, 31, 40, 64, 32, 0}, "", picture};
  EXPECT_EQ(sim::record::DrawLine(moved), "Texture(31, 40, 64, 32) 2x1 " + sim::record::Hex32(crc));
  auto repainted = std::make_shared<sim::DrawnPicture>(*picture);
  repainted->rgba[1] = 1;
  const sim::DrawCall other{sim::kTextureDraw, {1, 0, 30, 40, 64, 32, 0}, "", repainted};
  EXPECT_NE(sim::record::DrawLine(other), expected);
  auto tall = std::make_shared<sim::DrawnPicture>(*picture);
  tall->width = 1;
  tall->height = 2;
  EXPECT_EQ(sim::record::DrawLine({sim::kTextureDraw, {1, 0, 30, 40, 64, 32, 0}, "", tall}),
            "Texture(30, 40, 64, 32) 1x2 " + sim::record::Hex32(crc));

  EXPECT_EQ(sim::record::DrawLine({"HostDrawText", {1, -5, 20}, "a \"b\"", nullptr}, kServer),
            "HostDrawText(1, -5, 20) \"a \\\"b\\\"\"");
  EXPECT_EQ(sim::record::DrawLine({"HostFillRect", {1, 2}, "", nullptr}), "HostFillRect(1, 2)");
  EXPECT_EQ(sim::record::DrawLine({"RendererFrame", {}, "", nullptr}), "RendererFrame()");
}

class ScenarioRecordFiles : public ::testing::Test {
 protected:
  void SetUp() override {
    root = fs::temp_directory_path() / ("quorlan-record-test-" + std::to_string(::getpid()));
    fs::create_directories(root / "user");
    fs::create_directories(root / "data");
  }
  void TearDown() override { fs::remove_all(root); }
  void Write(const std::string& path, const std::string& content) {
    fs::create_directories((root / path).parent_path());
    std::ofstream(root / path, std::ios::binary) << content;
  }
  std::string Line(const std::string& name, const std::string& content) {
    return "file " + name + " " + std::to_string(content.size()) + " " +
           sim::record::Hex32(sim::record::Crc32(content.data(), content.size()));
  }
  fs::path root;
};

TEST_F(ScenarioRecordFiles, ListsOnlyWhatIsNewChangedOrRemoved) {
  sim::record::FileListing listing(
      {{"user", (root / "user").string()}, {"data", (root / "data").string()}});
  using Lines = std::vector<std::string>;
  EXPECT_EQ(listing.Update(), Lines{});

  Write("user/b.txt", "bee");
  Write("user/a/z.txt", "zed");
  Write("data/Quorlan.dat", "dat");
  fs::create_directories(root / "user/empty");  // folders are not files
  // Sorted by the scenario path: data: before user:, "a/z.txt" before "b.txt".
  EXPECT_EQ(listing.Update(), (Lines{Line("data:Quorlan.dat", "dat"), Line("user:a/z.txt", "zed"),
                                     Line("user:b.txt", "bee")}));
  EXPECT_EQ(listing.Update(), Lines{});

  // Same size, other bytes; a new file; one gone; one rewritten unchanged.
  Write("user/b.txt", "bed");
  Write("user/c d.txt", "");
  fs::remove(root / "user/a/z.txt");
  Write("data/Quorlan.dat", "dat");
  EXPECT_EQ(listing.Update(),
            (Lines{"removed user:a/z.txt", Line("user:b.txt", "bed"), Line("user:c\\x20d.txt", "")}));

  fs::remove_all(root / "user");
  fs::remove_all(root / "data");
  EXPECT_EQ(listing.Update(), (Lines{"removed data:Quorlan.dat", "removed user:b.txt",
                                     "removed user:c\\x20d.txt"}));
  EXPECT_EQ(listing.Update(), Lines{});
}

TEST(ScenarioRecord, WritesEachSinkItemOnceInOrderOfKind) {
  std::ostringstream out;
  sim::record::ScenarioRecord record(out, "/some/folder/x.scn", kServer, {});
  std::vector<sim::Packet> sent = {{0x5B, 0x01}};
  std::vector<std::string> calls = {"HostLogin(\"a\", \"b\")"};
  std::vector<std::string> debug = {"one"};
  std::vector<sim::Os::MessageBoxShown> boxes = {{"Cap", "Text", 16}};
  std::vector<std::string> pages = {std::string(kServer) + "/p"};
  std::vector<uint32_t> messages = {0x200, 0x201};
  std::string chars = "ab";
  std::vector<std::pair<uint8_t, bool>> keys = {{17, false}, {17, true}};
  const auto sinks = [&](bool exited) {
    return sim::record::HostSinks{.sent = sent, .hostCalls = calls, .debugLines = debug,
                                  .messageBoxes = boxes, .openedPages = pages,
                                  .windowMessages = messages, .hostCharacters = chars,
                                  .keys = keys, .exited = exited, .exitCode = 7};
  };
  record.BeginLine(3, "frame");
  record.Memory(0x63FE8C, 2, 4660);
  record.Frame({{"HostFillRect", {1}, "", nullptr}});
  record.EndLine(sinks(false));
  // Nothing new: the line has no observations; then one more of some.
  record.BeginLine(4, "expect-sent");
  record.EndLine(sinks(false));
  sent.push_back({0x14});
  chars += "c";
  record.BeginLine(5, "server");
  record.HostOpcodes({100, 101});
  record.EndLine(sinks(true));
  record.BeginLine(6, "frame");
  record.EndLine(sinks(true));
  const std::vector<sim::Os::UrlOpened> urls = {{"Z", 0, std::string(kServer) + "/b", 1},
                                                {"A", 1, std::string(kServer) + "/a", 2}};
  record.ListUrls(urls);
  record.End(sinks(true));
  EXPECT_EQ(out.str(),
            "scenario x.scn\n"
            "line 3 frame\n"
            "frame\n"
            "HostFillRect(1)\n"
            "sent 5b01\n"
            "host-call HostLogin(\"a\", \"b\")\n"
            "debug \"one\"\n"
            "message-box \"Cap\" \"Text\" 16\n"
            "opened \"${server}/p\"\n"
            "window-messages 512 513\n"
            "host-chars \"ab\"\n"
            "keys 17/down 17/up\n"
            "memory 0x0063fe8c u16 4660\n"
            "line 4 expect-sent\n"
            "line 5 server\n"
            "sent 14\n"
            "host-chars \"c\"\n"
            "host-opcodes 100 101\n"
            "exit 7\n"
            "line 6 frame\n"
            "end\n"
            "url \"A\" 1 \"${server}/a\" 2\n"
            "url \"Z\" 0 \"${server}/b\" 1\n");
}

TEST(ScenarioRecord, ExpectationsConsumeWithoutHidingAnythingFromTheRecord) {
  std::ostringstream out, record;
  sim::scenario::RunOptions options;
  options.record = &record;
  const auto result = sim::scenario::RunScenarioText(
      "folder/t.scn",
      "screen 1024 768\n"
      "state 8\n"
      "frame\n"
      "close\n"                       // 4: the library sends its logout intent
      "expect-sent u8 0x5B u8 1\n"    // 5
      "expect-no-sent\n"              // 6
      "state 0\n"
      "type \"ab\"\n"                 // 8: both reach the host's handler
      "expect-host-chars \"ab\"\n"    // 9
      // 10: more than the expectation took, so a sink it emptied would
      // show in the record as "e" alone.
      "type \"cde\"\n"
      "expect-host-chars \"cde\"\n"   // 11
      "expect-host 0x63FE8C u16 0\n"  // 12
      "file user:x/y.txt \"hi\"\n"    // 13: not listed here
      "expect-no-file user:x/z\n",    // 14: listed here
      options, out);
  EXPECT_EQ(result.outcome, sim::scenario::Outcome::Passed) << out.str();
  EXPECT_EQ(result.passed, 6) << out.str();
  const std::vector<std::string> lines = Lines(record.str());
  ASSERT_FALSE(lines.empty());
  EXPECT_EQ(lines.front(), "scenario t.scn");
  EXPECT_EQ(Count(lines, "sent 5b01"), 1u) << record.str();
  EXPECT_EQ(IndexOf(lines, "sent 5b01"), IndexOf(lines, "line 4 close") + 1) << record.str();
  EXPECT_EQ(Count(lines, "host-chars \"ab\""), 1u) << record.str();
  EXPECT_EQ(IndexOf(lines, "host-chars \"ab\""), IndexOf(lines, "line 8 type") + 1);
  EXPECT_EQ(Count(lines, "host-chars \"cde\""), 1u) << record.str();
  EXPECT_EQ(IndexOf(lines, "host-chars \"cde\""), IndexOf(lines, "line 10 type") + 1);
  EXPECT_EQ(IndexOf(lines, "memory 0x0063fe8c u16 0"),
            IndexOf(lines, "line 12 expect-host") + 1);
  const std::string file = "file user:x/y.txt 2 " + sim::record::Hex32(sim::record::Crc32("hi", 2));
  EXPECT_EQ(Count(lines, file), 1u) << record.str();
  EXPECT_EQ(IndexOf(lines, file), IndexOf(lines, "line 14 expect-no-file") + 1);
  // The block ends with `end` and what the workers left (the status fetch).
  const size_t end = IndexOf(lines, "end");
  ASSERT_LT(end, lines.size());
  EXPECT_GT(end, IndexOf(lines, "line 14 expect-no-file"));
  for (size_t i = end + 1; i < lines.size(); ++i) EXPECT_EQ(lines[i].rfind("url ", 0), 0u) << lines[i];
}

class ScenarioRecordRun : public ScenarioRecordFiles {
 protected:
  int RunSim(std::vector<std::string> args, std::string& out) {
    std::vector<char*> argv;
    for (std::string& a : args) argv.push_back(a.data());
    ::testing::internal::CaptureStdout();
    const int status = sim::RunCommand(static_cast<int>(argv.size()), argv.data());
    out = ::testing::internal::GetCapturedStdout();
    return status;
  }
  std::string ReadRecord() {
    std::ifstream in(root / "record.txt", std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
  }
};

TEST_F(ScenarioRecordRun, SeveralFilesAppendTheirBlocksInOrder) {
  Write("a.scn", "host 0x63FE8C u32 5\nexpect-host 0x63FE8C u32 5\n");
  Write("b.scn", "expect-host 0x63FE8C u32 0\n");
  const std::string a = (root / "a.scn").string(), b = (root / "b.scn").string();
  const std::string recordFile = (root / "record.txt").string();
  const std::string expected =
      "scenario a.scn\n"
      "line 1 host\n"
      "line 2 expect-host\n"
      "memory 0x0063fe8c u32 5\n"
      "end\n"
      "scenario b.scn\n"
      "line 1 expect-host\n"
      "memory 0x0063fe8c u32 0\n"
      "end\n";
  std::string out;
  EXPECT_EQ(RunSim({a, b, "--record", recordFile}, out), 0);
  EXPECT_EQ(out, "2 passed, 0 failed\n");
  EXPECT_EQ(ReadRecord(), expected);
  // A second run writes the record afresh.
  EXPECT_EQ(RunSim({"--record", recordFile, a, b}, out), 0);
  EXPECT_EQ(ReadRecord(), expected);
  EXPECT_EQ(RunSim({a, "--record"}, out), 2);
  EXPECT_EQ(RunSim({a, "--record", (root / "no/such/folder/r.txt").string()}, out), 2);
}

}  // namespace
