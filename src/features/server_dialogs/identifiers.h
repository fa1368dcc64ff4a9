// The identifiers of a server dialog's buttons inside its window: 50000 +
// the button's id, so the ids 0..255 become 50000..50255, clear of the
// toolkit's reserved child ids. The window's answers arrive as these.
#pragma once

#include <cstdint>
#include <optional>

namespace server_dialogs {

inline constexpr int32_t kFirstIdentifier = 50000;
// Identifiers up to here belong to the dialog; past 50255 they name no
// button a server can send, so they are ignored as well.
inline constexpr int32_t kLastIdentifier = 50299;

// "No choice selected" in an answer.
inline constexpr uint8_t kNoChoice = 255;

constexpr int32_t IdentifierOf(uint8_t buttonId) { return kFirstIdentifier + buttonId; }

// The button id an identifier stands for, or none for an identifier that
// is not a dialog button's.
constexpr std::optional<uint8_t> ButtonIdOf(int32_t identifier) {
  if (identifier < kFirstIdentifier || identifier > kLastIdentifier) return std::nullopt;
  const int32_t id = identifier - kFirstIdentifier;
  if (id > 255) return std::nullopt;
  return static_cast<uint8_t>(id);
}

}  // namespace server_dialogs
