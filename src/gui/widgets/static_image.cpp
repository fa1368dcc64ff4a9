#include "gui/widgets/static_image.h"

#include "gui/draw.h"

void GUI_StaticImage::Draw() { gui::Skin(x, y, sheet, srcX, srcY, w, h); }
