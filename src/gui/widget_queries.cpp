#include "gui/widget_queries.h"

#include "gui/container.h"
#include "gui/widgets/combo_box.h"
#include "gui/widgets/text_box.h"

namespace gui {

bool InteractiveComboBoxAt(const Container& container, int32_t px, int32_t py) {
  for (const auto& child : container.children) {
    if (child->interactive && child->Contains(px, py) &&
        dynamic_cast<const GUI_ComboBox*>(child.get()) != nullptr) {
      return true;
    }
  }
  return false;
}

void CloseEveryComboBox() { CloseAllComboBoxes(nullptr); }

bool CloseOpenComboBoxes(Container& container) {
  bool closed = false;
  for (const auto& child : container.children) {
    auto* box = dynamic_cast<GUI_ComboBox*>(child.get());
    if (box == nullptr || box->open == 0) continue;
    box->Close();
    closed = true;
  }
  return closed;
}

bool TextBoxHasText(const GUI_Element* element) {
  const auto* box = dynamic_cast<const GUI_TextBox*>(element);
  return box != nullptr && !box->text.empty();
}

}  // namespace gui
