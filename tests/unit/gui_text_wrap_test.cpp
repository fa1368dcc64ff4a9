// gui::WrapText, which message dialogs use to show a server's text whole:
// lines break at the last blank that fits, a word wider than a line breaks
// between characters, and nothing is left out. The simulated host's font 1
// is 6 pixels a character.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "gui/text_fit.h"
#include "sim/simulator.h"

namespace {

TEST(GuiWrapText, BreaksAtBlanksElseBetweenCharactersAndKeepsEveryCharacter) {
  sim::Simulator simulator;
  struct Case {
    const char* text;
    int32_t chars;  // the room, in characters
    std::vector<std::string> lines;
  };
  for (const Case& c : {
           Case{"", 4, {""}},
           Case{"fits", 4, {"fits"}},
           Case{"aaa bbb", 5, {"aaa", "bbb"}},
           Case{"aaa bbb", 3, {"aaa", "bbb"}},  // the blank right after a full line
           Case{"aaaaaaaaaa", 4, {"aaaa", "aaaa", "aa"}},
           Case{"ab cdefghij", 4, {"ab", "cdef", "ghij"}},
           Case{"one two three four", 9, {"one two", "three", "four"}},
           Case{"x", 0, {"x"}},  // a line holds at least one character
       }) {
    EXPECT_EQ(gui::WrapText(1, c.text, c.chars * 6), c.lines) << c.text << " in " << c.chars;
  }
}

}  // namespace

namespace {

// gui::WrapAtBlanks, for texts whose words must stay whole: the same breaks
// at blanks, but a word wider than a line stands on its own, unbroken.
TEST(GuiWrapAtBlanks, BreaksOnlyAtBlanksAndKeepsLongWordsWhole) {
  sim::Simulator simulator;
  struct Case {
    const char* text;
    int32_t chars;  // the room, in characters
    std::vector<std::string> lines;
  };
  for (const Case& c : {
           Case{"", 4, {""}},
           Case{"aaa bbb", 5, {"aaa", "bbb"}},
           Case{"aaa bbb", 3, {"aaa", "bbb"}},
           Case{"one two three four", 9, {"one two", "three", "four"}},
           Case{"aaaaaaaaaa", 4, {"aaaaaaaaaa"}},
           Case{"ab cdefghij kl", 4, {"ab", "cdefghij", "kl"}},
           Case{" abcdefgh x", 4, {" abcdefgh", "x"}},  // a leading blank is no line of its own
           Case{"x", 0, {"x"}},
       }) {
    EXPECT_EQ(gui::WrapAtBlanks(1, c.text, c.chars * 6), c.lines) << c.text << " in " << c.chars;
  }
}

}  // namespace
