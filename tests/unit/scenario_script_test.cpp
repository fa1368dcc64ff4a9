// The scenario language: tokens, escapes, content blocks, message fields,
// and errors that name their line.
#include <gtest/gtest.h>

#include "sim/scenario/fields.h"
#include "sim/scenario/script.h"

namespace {

using sim::scenario::ScriptError;
using sim::scenario::ScriptLine;
using sim::scenario::Token;

std::vector<ScriptLine> Parse(const std::string& text) {
  return sim::scenario::ParseScript(text, [](const ScriptLine& line) {
    if (line.command == "unknown") throw ScriptError(line.line, "unknown command");
    return line.command == "file" && line.args.size() == 1;
  });
}

// The line number of the error `text` raises.
int ErrorLine(const std::string& text) {
  try {
    Parse(text);
  } catch (const ScriptError& e) {
    return e.line;
  }
  return -1;
}

std::vector<uint8_t> Fields(const std::string& text) {
  const std::vector<Token> tokens = sim::scenario::Tokenize(text, 1);
  return sim::scenario::EncodeFields(tokens, 0, 1);
}

TEST(ScenarioScript, TokensStringsAndComments) {
  const auto script = Parse("# a comment\n\n  server  u8 1\tstr \"a b#c\" # trailing\r\nframe\n");
  ASSERT_EQ(script.size(), 2u);
  EXPECT_EQ(script[0].line, 3);
  EXPECT_EQ(script[0].command, "server");
  ASSERT_EQ(script[0].args.size(), 4u);
  EXPECT_EQ(script[0].args[3].kind, Token::Kind::String);
  EXPECT_EQ(script[0].args[3].text, "a b#c");
  EXPECT_EQ(script[1].line, 4);
  EXPECT_TRUE(script[1].args.empty());
}

TEST(ScenarioScript, Escapes) {
  const auto tokens = sim::scenario::Tokenize(R"("q\"b\\n\n\r\x41\xfF" "")", 1);
  ASSERT_EQ(tokens.size(), 2u);
  EXPECT_EQ(tokens[0].text, std::string("q\"b\\n\n\rA\xff"));
  EXPECT_EQ(tokens[1].text, "");
  for (const char* bad : {R"("\q")", R"("\x4")", R"("\xZZ")", R"("open)", R"("a"b)", R"("ends\)"}) {
    EXPECT_THROW(sim::scenario::Tokenize(bad, 7), ScriptError) << bad;
  }
}

TEST(ScenarioScript, VariablesExpandInStringsOnly) {
  const sim::scenario::Variables variables = {{"server", "http://127.0.0.1:8"}};
  const auto tokens = sim::scenario::Tokenize(
      R"(${server} "${server}/a?${server}" "\x24{server}" "$ {}")", 1, &variables);
  ASSERT_EQ(tokens.size(), 4u);
  EXPECT_EQ(tokens[0].text, "${server}");  // a word is not a string
  EXPECT_EQ(tokens[1].text, "http://127.0.0.1:8/a?http://127.0.0.1:8");
  EXPECT_EQ(tokens[2].text, "${server}");  // escaped
  EXPECT_EQ(tokens[3].text, "$ {}");
  EXPECT_EQ(sim::scenario::Tokenize(R"("${server}")", 1)[0].text, "${server}");  // no variables
  for (const char* bad : {R"("${nope}")", R"("${server")"}) {
    EXPECT_THROW(sim::scenario::Tokenize(bad, 1, &variables), ScriptError) << bad;
  }
}

TEST(ScenarioScript, ContentBlocks) {
  const auto script = Parse("file user:a.txt\nline one\n  # kept as is\n\nend\nfile user:b \"x\"\nend\n");
  ASSERT_EQ(script.size(), 3u);
  EXPECT_EQ(script[0].block, "line one\n  # kept as is\n\n");
  EXPECT_FALSE(script[1].block.has_value());  // the string form has no block
  EXPECT_EQ(script[2].command, "end");
  EXPECT_EQ(Parse("file user:e\nend\n")[0].block, "");
}

TEST(ScenarioScript, ErrorsNameTheirLine) {
  EXPECT_EQ(ErrorLine("frame\nunknown 1\n"), 2);
  EXPECT_EQ(ErrorLine("frame\n\nfile user:a\nno end\n"), 3);
  EXPECT_EQ(ErrorLine("frame\nserver str \"open\n"), 2);
  EXPECT_EQ(ErrorLine("\"text\" first\n"), 1);
  EXPECT_EQ(ErrorLine("frame\nframe\n"), -1);
}

TEST(ScenarioFields, EncodingsAreLittleEndian) {
  EXPECT_EQ(Fields("u8 255 u16 0x1234 u32 1"),
            (std::vector<uint8_t>{0xFF, 0x34, 0x12, 0x01, 0, 0, 0}));
  EXPECT_EQ(Fields("u64 0x1122334455667788"),
            (std::vector<uint8_t>{0x88, 0x77, 0x66, 0x55, 0x44, 0x33, 0x22, 0x11}));
  EXPECT_EQ(Fields("u64 18446744073709551615"), std::vector<uint8_t>(8, 0xFF));
  EXPECT_EQ(Fields("str \"ab\" str \"\""), (std::vector<uint8_t>{2, 0, 'a', 'b', 0, 0}));
  EXPECT_EQ(Fields("hex 0aFf00"), (std::vector<uint8_t>{0x0A, 0xFF, 0x00}));
  EXPECT_EQ(Fields("u8 -1 u16 -32768 u32 -1"),
            (std::vector<uint8_t>{0xFF, 0x00, 0x80, 0xFF, 0xFF, 0xFF, 0xFF}));
}

TEST(ScenarioFields, MalformedFieldsAreRefused) {
  for (const char* bad :
       {"u8 256", "u8 -129", "u16 65536", "u32 0x100000000", "u64 -1", "u64 18446744073709551616",
        "u8", "u8 1x", "u8 0x", "u8 \"1\"", "str abc", "hex abc", "hex 0g", "i32 1", "u8 1 u8"}) {
    EXPECT_THROW(Fields(bad), ScriptError) << bad;
  }
}

}  // namespace
