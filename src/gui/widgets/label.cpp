#include "gui/widgets/label.h"

#include <utility>

#include "gui/container.h"
#include "gui/draw.h"

void GUI_Label::Draw() { gui::Text(x, y, font, textColor, text, align); }

namespace gui {

void SetLabelText(const Container* container, int32_t id, std::string text) {
  if (container == nullptr) return;
  if (auto* label = dynamic_cast<GUI_Label*>(container->FindChild(id))) {
    label->SetText(std::move(text));
  }
}

}  // namespace gui
