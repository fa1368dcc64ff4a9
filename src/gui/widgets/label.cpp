#include "gui/widgets/label.h"

#include "gui/draw.h"

void GUI_Label::Draw() { gui::Text(x, y, font, textColor, text, align); }
