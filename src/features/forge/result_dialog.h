// The dialog that tells the result of a fusion or a transfer: a title by
// kind, the server's message one line per "\n" with its key word in colour,
// and "Ok".
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "gui/element.h"

class GUI_Dialog;

// One centred line of the message, its key word coloured.
class GUI_ExaltationMessageLabel : public GUI_Element {
 public:
  static constexpr int32_t kFont = 1;

  GUI_ExaltationMessageLabel(int32_t x, int32_t y, int32_t w, std::string text)
      : GUI_Element(x, y, w, 14, 0), text(std::move(text)) {}
  void Draw() override;

  std::string text;
};

namespace forge {

// 0 "Unsuccessful", 1 "Success", 2 "Information", other "Exaltation".
const char* ResultTitle(uint32_t kind);

// The dialog, its "Ok" reporting `okCode` to `handler`.
std::unique_ptr<GUI_Dialog> BuildResultDialog(uint32_t kind, const std::string& message,
                                              GUI_Handler handler, int32_t okCode);

}  // namespace forge
