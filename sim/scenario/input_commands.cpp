// Input as the host window would receive it: each command becomes window
// messages sent to the main window through whatever procedure it has (the
// library's once it subclassed the window), or the host's own typed-
// character path, panel and menu commands through their patched slots.
#include <ostream>
#include <utility>

#include "sim/scenario/command_table.h"
#include "sim/scenario/fields.h"
#include "sim/scenario/screen_queries.h"

namespace sim::scenario {
namespace {

constexpr uint32_t kWmSize = 0x005, kWmKeyDown = 0x100, kWmKeyUp = 0x101, kWmChar = 0x102, kWmSysCommand = 0x112,
                   kWmMouseMove = 0x200, kWmLButtonDown = 0x201, kWmLButtonUp = 0x202,
                   kWmLButtonDblClk = 0x203, kWmRButtonDown = 0x204, kWmRButtonUp = 0x205,
                   kWmMouseWheel = 0x20A;
constexpr intptr_t kKeyDownData = 0x00000001, kKeyRepeatData = 0x40000001,
                   kKeyUpData = static_cast<intptr_t>(0xC0000001u);
constexpr uintptr_t kScClose = 0xF060;
constexpr uint32_t kTypedCharSite = 0x4CFB8A;
constexpr uint32_t kPanelCommandSlot = 0x5C98D0;

struct NamedMessage {
  const char* name;
  uint32_t value;
};
constexpr NamedMessage kMessageNames[] = {
    {"WM_DESTROY", 0x0002},     {"WM_SIZE", 0x0005},        {"WM_KEYDOWN", 0x0100},
    {"WM_KEYUP", 0x0101},       {"WM_CHAR", 0x0102},        {"WM_SYSKEYDOWN", 0x0104},
    {"WM_SYSKEYUP", 0x0105},    {"WM_SYSCOMMAND", 0x0112},  {"WM_MOUSEMOVE", 0x0200},
    {"WM_LBUTTONDOWN", 0x0201}, {"WM_LBUTTONUP", 0x0202},   {"WM_LBUTTONDBLCLK", 0x0203},
    {"WM_RBUTTONDOWN", 0x0204}, {"WM_RBUTTONUP", 0x0205},   {"WM_RBUTTONDBLCLK", 0x0206},
    {"WM_MOUSEWHEEL", 0x020A},
};

std::string MessageName(uint32_t value) {
  for (const NamedMessage& m : kMessageNames) {
    if (m.value == value) return m.name;
  }
  return std::to_string(value);
}

int32_t Coordinate(const ScriptLine& line, size_t index) {
  return static_cast<int32_t>(ParseInteger(line.args.at(index), line.line, -32768, 32767));
}

intptr_t Point(int32_t x, int32_t y) {
  return static_cast<intptr_t>((static_cast<uint32_t>(y & 0xFFFF) << 16) |
                               static_cast<uint32_t>(x & 0xFFFF));
}

void Send(Context& c, uint32_t message, uintptr_t wParam, intptr_t lParam) {
  c.Sim().SendToMainWindow(message, wParam, lParam);
}

// A mouse command with X Y.
template <uint32_t Message>
void MouseAt(Context& c, const ScriptLine& line) {
  RequireArgs(line, 2, 2);
  Send(c, Message, 0, Point(Coordinate(line, 0), Coordinate(line, 1)));
}

void ClickAt(Context& c, int32_t x, int32_t y) {
  Send(c, kWmLButtonDown, 0, Point(x, y));
  Send(c, kWmLButtonUp, 0, Point(x, y));
}

void Click(Context& c, const ScriptLine& line) {
  RequireArgs(line, 2, 2);
  ClickAt(c, Coordinate(line, 0), Coordinate(line, 1));
}

// click-on / move-on "TEXT" [N]: at the centre of the host button with that
// tooltip, or of where the last frame drew the text; `image NUMBER [N]`: of
// the host button that shows that picture.
template <bool Clicks>
void OnText(Context& c, const ScriptLine& line) {
  RequireArgs(line, 1, 3);
  const bool byImage = line.args[0].kind == Token::Kind::Word && line.args[0].text == "image";
  const size_t nIndex = byImage ? 2 : 1;
  if (line.args.size() > nIndex + 1) throw ScriptError(line.line, "too many arguments");
  const int n = line.args.size() > nIndex
                    ? static_cast<int>(ParseInteger(line.args[nIndex], line.line, 1, 1000))
                    : 1;
  const auto& draws = c.Sim().Host().Draws();
  std::optional<TextSeen> seen;
  std::string what;
  if (byImage) {
    RequireArgs(line, 2, 3);
    const auto image = static_cast<int32_t>(ParseInteger(line.args[1], line.line, 0, INT32_MAX));
    seen = FindHostButtonImage(draws, image, n);
    what = "host button with image " + std::to_string(image);
  } else {
    const std::string& text = StringArg(line, 0).text;
    // A host button before any text: its tooltip, once shown, is a text
    // too, but not a place to click.
    seen = FindHostButtonTooltip(draws, text, n);
    if (!seen) seen = FindText(draws, text, n);
    what = QuotedText(text);
  }
  if (!seen) {
    c.Fail(line.line, what + " drawn (" + std::to_string(n) + ")", "not drawn");
    return;
  }
  c.Pass();
  if (Clicks) {
    ClickAt(c, seen->centerX, seen->centerY);
  } else {
    Send(c, kWmMouseMove, 0, Point(seen->centerX, seen->centerY));
  }
}

// click-in / move-in "TITLE" DX DY: relative to an open window.
template <bool Clicks>
void InWindow(Context& c, const ScriptLine& line) {
  RequireArgs(line, 3, 3);
  const std::string& title = StringArg(line, 0).text;
  const std::optional<WindowSeen> window = FindWindow(c.Sim(), title);
  if (!window) {
    c.Fail(line.line, "window " + QuotedText(title), "not open");
    return;
  }
  c.Pass();
  const int32_t x = window->x + Coordinate(line, 1), y = window->y + Coordinate(line, 2);
  if (Clicks) {
    ClickAt(c, x, y);
  } else {
    Send(c, kWmMouseMove, 0, Point(x, y));
  }
}

void Wheel(Context& c, const ScriptLine& line) {
  RequireArgs(line, 3, 3);
  int32_t x = Coordinate(line, 0), y = Coordinate(line, 1);
  const auto delta = static_cast<int16_t>(ParseInteger(line.args[2], line.line, -32768, 32767));
  // The wheel message carries screen coordinates.
  x += c.Sim().Os().clientOriginX;
  y += c.Sim().Os().clientOriginY;
  Send(c, kWmMouseWheel, static_cast<uintptr_t>(static_cast<uint16_t>(delta)) << 16, Point(x, y));
}

template <uint32_t Message, intptr_t Data>
void Key(Context& c, const ScriptLine& line) {
  RequireArgs(line, 1, 1);
  Send(c, Message, static_cast<uintptr_t>(ParseVirtualKey(line.args[0], line.line)), Data);
}

uint32_t CharacterArg(const ScriptLine& line) {
  const Token& token = line.args.at(0);
  if (token.kind == Token::Kind::String) {
    if (token.text.size() != 1) throw ScriptError(line.line, "char: one character is needed");
    return static_cast<uint8_t>(token.text[0]);
  }
  return static_cast<uint32_t>(ParseInteger(token, line.line, 0, 0xFFFF));
}

void Char(Context& c, const ScriptLine& line) {
  RequireArgs(line, 1, 1);
  Send(c, kWmChar, CharacterArg(line), kKeyDownData);
}

void Chars(Context& c, const ScriptLine& line) {
  RequireArgs(line, 1, 1);
  for (unsigned char ch : StringArg(line, 0).text) Send(c, kWmChar, ch, kKeyDownData);
}

void Type(Context& c, const ScriptLine& line) {
  RequireArgs(line, 1, 1);
  for (unsigned char ch : StringArg(line, 0).text) {
    if (c.Sim().Os().Exited()) return;
    c.Sim().Host().ExecuteCallSite(kTypedCharSite, {ch});
  }
}

template <bool Held>
void Hold(Context& c, const ScriptLine& line) {
  RequireArgs(line, 1, 1);
  c.Sim().Os().HoldKey(ParseVirtualKey(line.args[0], line.line), Held);
}

void Close(Context& c, const ScriptLine& line) {
  RequireArgs(line, 0, 0);
  Send(c, kWmSysCommand, kScClose, 0);
}

template <uint32_t Slot>
void SlotCommand(Context& c, const ScriptLine& line) {
  RequireArgs(line, 1, 1);
  if (c.Sim().Os().Exited()) return;
  const auto number = static_cast<uint32_t>(ParseInteger(line.args[0], line.line, 0, 0xFFFFFFFF));
  c.Sim().Host().ExecutePointer(Slot, {number});
}

// The host runs a context-menu command: an open menu closes first.
void MenuCommand(Context& c, const ScriptLine& line) {
  RequireArgs(line, 1, 1);
  if (c.Sim().Os().Exited()) return;
  const auto number = static_cast<uint32_t>(ParseInteger(line.args[0], line.line, 0, 0xFFFFFFFF));
  c.Sim().Interface().RunMenuCommand(static_cast<int32_t>(number));
}

// WM_SIZE as Windows sends it when the window is minimised (size 0 x 0) or
// maximised to W x H; `screen` covers the restored case.
void Minimize(Context& c, const ScriptLine& line) {
  RequireArgs(line, 0, 0);
  Send(c, kWmSize, 1, 0);
}

void Maximize(Context& c, const ScriptLine& line) {
  RequireArgs(line, 2, 2);
  Send(c, kWmSize, 2, Point(Coordinate(line, 0), Coordinate(line, 1)));
}

void Clipboard(Context& c, const ScriptLine& line) {
  RequireArgs(line, 1, 1);
  c.Sim().Os().clipboard = StringArg(line, 0).text;
  c.Sim().Os().clipboardHasText = true;
}

void ExpectClipboard(Context& c, const ScriptLine& line) {
  RequireArgs(line, 1, 1);
  const std::string& expected = StringArg(line, 0).text;
  const sim::Os& os = c.Sim().Os();
  c.Expect(os.clipboardHasText && os.clipboard == expected, line.line,
           "clipboard " + QuotedText(expected),
           os.clipboardHasText ? QuotedText(os.clipboard) : "no text");
}

// expect-cursor arrow|size-ns|custom [HOTX HOTY]: the mouse cursor the
// player sees: the shape the library set last (the machine starts with the
// arrow), "custom" while a custom cursor of the library replaces the
// system's arrow (with its hot spot when given).
void ExpectCursor(Context& c, const ScriptLine& line) {
  RequireArgs(line, 1, 3);
  const std::string& wanted = line.args[0].text;
  const std::string seen = c.Sim().Os().CursorSeen();
  if (wanted == "custom") {
    std::string prefix = "custom ";
    bool matches = seen.starts_with(prefix);
    if (line.args.size() == 3) {
      const std::string hot = " hot " + std::to_string(ParseInteger(line.args[1], line.line, 0, 255)) +
                              "," + std::to_string(ParseInteger(line.args[2], line.line, 0, 255)) + " ";
      matches = matches && seen.find(hot) != std::string::npos;
    } else if (line.args.size() != 1) {
      throw ScriptError(line.line, "expect-cursor custom: no hot spot or both coordinates");
    }
    c.Expect(matches, line.line, "cursor custom", "cursor " + seen);
    return;
  }
  if (line.args.size() != 1 || (wanted != CursorName(CursorShape::Arrow) &&
                                wanted != CursorName(CursorShape::SizeNorthSouth))) {
    throw ScriptError(line.line, "expect-cursor: arrow, size-ns or custom, got " + wanted);
  }
  c.Expect(wanted == seen, line.line, "cursor " + wanted, "cursor " + seen);
}

void ExpectExit(Context& c, const ScriptLine& line) {
  RequireArgs(line, 1, 1);
  const auto code = static_cast<uint32_t>(
      static_cast<int32_t>(ParseInteger(line.args[0], line.line, INT32_MIN, UINT32_MAX)));
  const sim::Os& os = c.Sim().Os();
  c.Expect(os.Exited() && os.ExitCode() == code, line.line, "exit " + std::to_string(code),
           os.Exited() ? "exit " + std::to_string(os.ExitCode()) : "still running");
}

uint32_t MessageArg(const Token& token, int line) {
  for (const NamedMessage& m : kMessageNames) {
    if (token.text == m.name) return m.value;
  }
  return static_cast<uint32_t>(ParseInteger(token, line, 0, 0xFFFF));
}

void ExpectPassed(Context& c, const ScriptLine& line) {
  std::vector<uint32_t> expected;
  for (const Token& token : line.args) expected.push_back(MessageArg(token, line.line));
  std::vector<uint32_t> got = std::exchange(c.Sim().PassedMessages(), {});
  auto names = [](const std::vector<uint32_t>& messages) {
    std::string out;
    for (uint32_t m : messages) {
      if (!out.empty()) out += " ";
      out += MessageName(m);
    }
    return out.empty() ? "none" : out;
  };
  c.Expect(got == expected, line.line, "passed " + names(expected), names(got));
}

void ExpectHostChars(Context& c, const ScriptLine& line) {
  RequireArgs(line, 1, 1);
  const std::string& expected = StringArg(line, 0).text;
  const std::string got = c.TakeHostCharacters();
  c.Expect(got == expected, line.line, "host characters " + QuotedText(expected), QuotedText(got));
}

void ExpectKeys(Context& c, const ScriptLine& line) {
  std::vector<std::pair<uint8_t, bool>> expected;
  for (const Token& token : line.args) {
    const auto key = static_cast<uint8_t>(ParseVirtualKey(token, line.line));
    expected.push_back({key, false});
    expected.push_back({key, true});
  }
  const auto got = c.TakeSyntheticKeys();
  auto text = [](const std::vector<std::pair<uint8_t, bool>>& keys) {
    std::string out;
    for (const auto& [key, up] : keys) {
      if (!out.empty()) out += " ";
    out += std::to_string(key) + (up ? " up" : " down");
    }
    return out.empty() ? "none" : out;
  };
  c.Expect(got == expected, line.line, "keys " + text(expected), text(got));
}

}  // namespace

void RegisterInputCommands(CommandTable& table) {
  table.Add("move", &MouseAt<kWmMouseMove>, Needs::Library);
  table.Add("press", &MouseAt<kWmLButtonDown>, Needs::Library);
  table.Add("release", &MouseAt<kWmLButtonUp>, Needs::Library);
  table.Add("dblclick", &MouseAt<kWmLButtonDblClk>, Needs::Library);
  table.Add("rpress", &MouseAt<kWmRButtonDown>, Needs::Library);
  table.Add("rrelease", &MouseAt<kWmRButtonUp>, Needs::Library);
  table.Add("click", &Click, Needs::Library);
  table.Add("click-on", &OnText<true>, Needs::Library);
  table.Add("move-on", &OnText<false>, Needs::Library);
  table.Add("click-in", &InWindow<true>, Needs::Library);
  table.Add("move-in", &InWindow<false>, Needs::Library);
  table.Add("wheel", &Wheel, Needs::Library);
  table.Add("key", &Key<kWmKeyDown, kKeyDownData>, Needs::Library);
  table.Add("repeat", &Key<kWmKeyDown, kKeyRepeatData>, Needs::Library);
  table.Add("keyup", &Key<kWmKeyUp, kKeyUpData>, Needs::Library);
  table.Add("char", &Char, Needs::Library);
  table.Add("chars", &Chars, Needs::Library);
  table.Add("type", &Type, Needs::Library);
  table.Add("hold", &Hold<true>);
  table.Add("unhold", &Hold<false>);
  table.Add("close", &Close, Needs::Library);
  table.Add("command", &SlotCommand<kPanelCommandSlot>, Needs::Library);
  table.Add("menu", &MenuCommand, Needs::Library);
  table.Add("minimize", &Minimize, Needs::Library);
  table.Add("maximize", &Maximize, Needs::Library);
  table.Add("clipboard", &Clipboard);
  table.Add("expect-clipboard", &ExpectClipboard);
  table.Add("expect-exit", &ExpectExit);
  table.Add("expect-cursor", &ExpectCursor);
  table.Add("expect-passed", &ExpectPassed);
  table.Add("expect-host-chars", &ExpectHostChars);
  table.Add("expect-keys", &ExpectKeys);
}

}  // namespace sim::scenario
