#include "gui/widgets/separator.h"

#include "gui/draw.h"

void GUI_Separator::Draw() { gui::TileSkin(x, y, w, h, gui::kSheet, 2, 210, 96, 2); }
