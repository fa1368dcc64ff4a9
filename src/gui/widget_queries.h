// Questions the containers ask about particular widgets, kept apart so the
// containers do not depend on every widget class.
#pragma once

#include <cstdint>

class GUI_Element;
class GUI_ComboBox;
namespace gui {
class Container;

// Whether an interactive combo box child of `container` contains the point.
bool InteractiveComboBoxAt(const Container& container, int32_t px, int32_t py);
// Closes every open combo box in the process.
void CloseEveryComboBox();
// Closes the open lists of `container`'s combo boxes; answers whether one
// was open. Escape spends itself on an open list before it reaches the
// window's cancel button.
bool CloseOpenComboBoxes(Container& container);
// Whether `element` is a text box holding text.
bool TextBoxHasText(const GUI_Element* element);

}  // namespace gui
