// The toolkit's message dialog: a title, a message shown one line per "\n",
// a separator and "Ok" (answering Enter and Escape). Result and refusal
// messages of the feature windows use it.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "gui/element.h"

class GUI_Dialog;

namespace gui {

inline constexpr int32_t kMessageFont = 1;

// Makes the element that shows one line: `width` is the widest line's width
// and (x, y) the line's top left.
using MessageLineFactory = GUI_Element* (*)(int32_t x, int32_t y, int32_t width,
                                             const std::string& line);

// The dialog grows with its message, (max(274, widest line) + 36) x (91 + 14
// x lines), but stays on the screen, and shows the message whole: a line
// wider than the screen allows is wrapped at that width (at blanks where it
// can), and when the lines are more than the screen's height holds, that
// many are shown in a pane that scrolls (GUI_MessageLines). "Ok" reports
// `okCode` to `handler`. Without a factory each line is a grey label.
std::unique_ptr<GUI_Dialog> BuildMessageDialog(const std::string& title,
                                               const std::string& message, int32_t placement,
                                               GUI_Handler handler, int32_t okCode,
                                               MessageLineFactory makeLine = nullptr);

// The modal slot's message: shown over the current window, which is set
// aside until the message is closed. A second message replaces the first,
// so the window under it stays set aside and still comes back.
void ShowModalMessage(std::unique_ptr<GUI_Dialog> dialog);
// Whether a message shown that way is the current dialog.
bool ModalMessageIsCurrent();
// Closes the current message and brings back the window set aside under
// it; returns that window, or none (also when no message is current).
GUI_Dialog* CloseModalMessage();
// Destroys the current message, if one is current; the window set aside
// under it stays set aside.
void DestroyModalMessage();

}  // namespace gui
