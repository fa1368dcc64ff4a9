#include "gui/widgets/window_child.h"

#include "gui/dialog.h"

void GUI_WindowChild::Draw() { gui::DrawTitledFrame(x, y, w, h, title); }
