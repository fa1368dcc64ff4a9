// A scenario file as lines of tokens. The syntax: one command per line,
// tokens separated by blanks, '#' starts a comment outside strings,
// strings in double quotes with the escapes \" \\ \n \r \xHH and the
// variables ${NAME}, and content blocks: the lines after a command up to a
// line that is exactly "end", joined with "\n" and ending in "\n".
#pragma once

#include <functional>
#include <map>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

namespace sim::scenario {

// A line that cannot be understood; `line` is 1-based (0: the whole file).
struct ScriptError : std::runtime_error {
  ScriptError(int line, const std::string& message) : std::runtime_error(message), line(line) {}
  int line;
};

struct Token {
  enum class Kind { Word, String };
  Kind kind;
  std::string text;  // a string's text with its escapes resolved
};

struct ScriptLine {
  int line = 0;               // where the command stands
  std::string command;        // the first token (a word)
  std::vector<Token> args;    // the tokens after it
  std::optional<std::string> block;  // content block, when the command takes one
};

// Whether a command with these arguments is followed by a content block.
// It throws ScriptError for a command it does not know.
using BlockRule = std::function<bool(const ScriptLine&)>;

// What ${NAME} in a quoted string stands for (NAME -> text), such as
// "server" -> the web server's base URL.
using Variables = std::map<std::string, std::string>;

// Splits one line into tokens; throws ScriptError (with `line`) for an
// unterminated string or an unknown escape. With `variables`, ${NAME} in a
// string is replaced by its value (an unknown NAME is an error); without,
// it stays as written. An escaped "\x24{" is never a variable.
std::vector<Token> Tokenize(const std::string& text, int line,
                            const Variables* variables = nullptr);

// The whole file. Lines may end in "\r\n". `variables` as for Tokenize.
std::vector<ScriptLine> ParseScript(const std::string& text, const BlockRule& takesBlock,
                                    const Variables* variables = nullptr);

}  // namespace sim::scenario
