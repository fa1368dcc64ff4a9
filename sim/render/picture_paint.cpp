#include "sim/render/picture_paint.h"

namespace sim {

void DrawPicture(Framebuffer& fb, const Rect& r, const DrawnPicture& picture) {
  if (r.Empty() || picture.width <= 0 || picture.height <= 0 ||
      picture.rgba.size() < static_cast<size_t>(picture.width) * picture.height * 4) {
    return;
  }
  fb.Paint(r, [&](int64_t u, int64_t v) -> std::optional<Rgba> {
    // The centre of target pixel u is at (u + 0.5) / r.w of the picture.
    const int64_t sx = ((2 * u + 1) * picture.width) / (2 * r.w);
    const int64_t sy = ((2 * v + 1) * picture.height) / (2 * r.h);
    const uint8_t* p = &picture.rgba[(static_cast<size_t>(sy) * picture.width + sx) * 4];
    if (p[3] == 0) return std::nullopt;
    return Rgba{p[0], p[1], p[2], 255};
  });
}

}  // namespace sim
