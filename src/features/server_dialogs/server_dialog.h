// What the server's question (opcode 250) carries: the window it is, its
// texts, its buttons and choices, and which buttons Escape and Enter stand
// for.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace server_dialogs {

// A button or a choice: its text and the id the answer names it by.
struct DialogEntry {
  std::string text;
  uint8_t id = 0;
};

struct ServerDialog {
  uint32_t windowId = 0;
  std::string title;
  std::string message;
  std::vector<DialogEntry> buttons;
  std::vector<DialogEntry> choices;
  uint8_t escapeButton = 0;
  uint8_t enterButton = 0;
  uint8_t priority = 0;  // sent by the server; nothing depends on it
};

}  // namespace server_dialogs
