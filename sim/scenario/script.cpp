#include "sim/scenario/script.h"

#include <sstream>

namespace sim::scenario {
namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

int HexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

// The value of the variable whose "${" starts at text[i]; leaves i on its '}'.
const std::string& ReadVariable(const std::string& text, size_t& i, int line,
                                const Variables& variables) {
  const size_t close = text.find('}', i + 2);
  if (close == std::string::npos) throw ScriptError(line, "${ without its }");
  const std::string name = text.substr(i + 2, close - i - 2);
  const auto it = variables.find(name);
  if (it == variables.end()) throw ScriptError(line, "unknown variable ${" + name + "}");
  i = close;
  return it->second;
}

// Reads the string that starts at text[i] == '"'; leaves i after its end.
std::string ReadQuoted(const std::string& text, size_t& i, int line, const Variables* variables) {
  std::string out;
  for (++i; i < text.size(); ++i) {
    const char c = text[i];
    if (c == '"') {
      ++i;
      return out;
    }
    if (variables != nullptr && text.compare(i, 2, "${") == 0) {
      out += ReadVariable(text, i, line, *variables);
      continue;
    }
    if (c != '\\') {
      out += c;
      continue;
    }
    if (++i == text.size()) break;
    switch (text[i]) {
      case '"': out += '"'; break;
      case '\\': out += '\\'; break;
      case 'n': out += '\n'; break;
      case 'r': out += '\r'; break;
      case 'x': {
        const int high = i + 1 < text.size() ? HexDigit(text[i + 1]) : -1;
        const int low = i + 2 < text.size() ? HexDigit(text[i + 2]) : -1;
        if (high < 0 || low < 0) throw ScriptError(line, "\\x needs two hexadecimal digits");
        out += static_cast<char>(high * 16 + low);
        i += 2;
        break;
      }
      default:
        throw ScriptError(line, std::string("unknown escape \\") + text[i]);
    }
  }
  throw ScriptError(line, "unterminated string");
}

}  // namespace

std::vector<Token> Tokenize(const std::string& text, int line, const Variables* variables) {
  std::vector<Token> tokens;
  size_t i = 0;
  while (i < text.size()) {
    if (IsBlank(text[i])) {
      ++i;
      continue;
    }
    if (text[i] == '#') break;
    if (text[i] == '"') {
      tokens.push_back({Token::Kind::String, ReadQuoted(text, i, line, variables)});
      if (i < text.size() && !IsBlank(text[i]) && text[i] != '#') {
        throw ScriptError(line, "a string must be followed by a blank");
      }
      continue;
    }
    const size_t start = i;
    while (i < text.size() && !IsBlank(text[i]) && text[i] != '#' && text[i] != '"') ++i;
    tokens.push_back({Token::Kind::Word, text.substr(start, i - start)});
  }
  return tokens;
}

std::vector<ScriptLine> ParseScript(const std::string& text, const BlockRule& takesBlock,
                                    const Variables* variables) {
  std::vector<std::string> lines;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    lines.push_back(std::move(line));
  }

  std::vector<ScriptLine> script;
  for (size_t i = 0; i < lines.size(); ++i) {
    const int number = static_cast<int>(i) + 1;
    std::vector<Token> tokens = Tokenize(lines[i], number, variables);
    if (tokens.empty()) continue;
    if (tokens[0].kind != Token::Kind::Word) {
      throw ScriptError(number, "a line must start with a command");
    }
    ScriptLine command{number, tokens[0].text, {tokens.begin() + 1, tokens.end()}, std::nullopt};
    if (takesBlock(command)) {
      std::string block;
      size_t j = i + 1;
      for (; j < lines.size() && lines[j] != "end"; ++j) block += lines[j] + "\n";
      if (j == lines.size()) throw ScriptError(number, "content block without \"end\"");
      command.block = std::move(block);
      i = j;
    }
    script.push_back(std::move(command));
  }
  return script;
}

}  // namespace sim::scenario
