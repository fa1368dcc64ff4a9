#include "gui/widgets/grouper.h"

#include "gui/draw.h"

void GUI_Grouper::Draw() { gui::ThinFrame(x, y, w, h); }
