#include "sim/render/framebuffer.h"

namespace sim {

Rect Rect::Intersect(const Rect& o) const {
  const int64_t left = std::max(x, o.x);
  const int64_t top = std::max(y, o.y);
  const int64_t right = std::min(x + std::max<int64_t>(w, 0), o.x + std::max<int64_t>(o.w, 0));
  const int64_t bottom = std::min(y + std::max<int64_t>(h, 0), o.y + std::max<int64_t>(o.h, 0));
  if (right <= left || bottom <= top) return {left, top, 0, 0};
  return {left, top, right - left, bottom - top};
}

Rgba Mix(Rgba under, Rgba over, int alpha) {
  alpha = std::clamp(alpha, 0, 255);
  auto channel = [alpha](int a, int b) {
    return static_cast<uint8_t>((a * (255 - alpha) + b * alpha + 127) / 255);
  };
  return {channel(under.r, over.r), channel(under.g, over.g), channel(under.b, over.b),
          static_cast<uint8_t>(std::max<int>(under.a, alpha))};
}

Rgba Shade(Rgba color, int percent) {
  auto channel = [percent](int c) {
    return static_cast<uint8_t>(std::clamp(c * percent / 100, 0, 255));
  };
  return {channel(color.r), channel(color.g), channel(color.b), color.a};
}

Framebuffer::Framebuffer(int width, int height, Rgba clear)
    : width_(std::max(width, 0)), height_(std::max(height, 0)) {
  clip_ = Bounds();
  bytes_.resize(static_cast<size_t>(width_) * static_cast<size_t>(height_) * 4);
  for (size_t i = 0; i < bytes_.size(); i += 4) {
    bytes_[i] = clear.r;
    bytes_[i + 1] = clear.g;
    bytes_[i + 2] = clear.b;
    bytes_[i + 3] = clear.a;
  }
}

Rgba Framebuffer::At(int64_t x, int64_t y) const {
  if (x < 0 || y < 0 || x >= width_ || y >= height_) return {0, 0, 0, 0};
  const size_t i = (static_cast<size_t>(y) * width_ + static_cast<size_t>(x)) * 4;
  return {bytes_[i], bytes_[i + 1], bytes_[i + 2], bytes_[i + 3]};
}

void Framebuffer::Plot(int64_t x, int64_t y, Rgba color) {
  if (x < clip_.x || y < clip_.y || x >= clip_.x + clip_.w || y >= clip_.y + clip_.h) return;
  if (color.a == 0) return;
  const size_t i = (static_cast<size_t>(y) * width_ + static_cast<size_t>(x)) * 4;
  Rgba out = color;
  if (color.a != 255) {
    out = Mix({bytes_[i], bytes_[i + 1], bytes_[i + 2], bytes_[i + 3]}, color, color.a);
  }
  bytes_[i] = out.r;
  bytes_[i + 1] = out.g;
  bytes_[i + 2] = out.b;
  bytes_[i + 3] = out.a;
}

void Framebuffer::Fill(const Rect& r, Rgba color) {
  Paint(r, [color](int64_t, int64_t) { return std::optional<Rgba>(color); });
}

void Framebuffer::Outline(const Rect& r, Rgba color) {
  if (r.Empty()) return;
  Fill({r.x, r.y, r.w, 1}, color);
  Fill({r.x, r.y + r.h - 1, r.w, 1}, color);
  Fill({r.x, r.y + 1, 1, r.h - 2}, color);
  Fill({r.x + r.w - 1, r.y + 1, 1, r.h - 2}, color);
}

void Framebuffer::Blit(int64_t x, int64_t y, int width, int height, const Rgba* pixels) {
  if (width <= 0 || height <= 0 || pixels == nullptr) return;
  Paint({x, y, width, height},
        [&](int64_t u, int64_t v) { return std::optional<Rgba>(pixels[v * width + u]); });
}

void Framebuffer::BlendMask(int64_t x, int64_t y, int width, int height, const uint8_t* mask,
                            int pitch, Rgba color, const Rect& limit) {
  if (width <= 0 || height <= 0 || mask == nullptr) return;
  const Rect saved = clip_;
  clip_ = clip_.Intersect(limit);
  Paint({x, y, width, height}, [&](int64_t u, int64_t v) -> std::optional<Rgba> {
    const int coverage = mask[v * pitch + u] * color.a / 255;
    if (coverage == 0) return std::nullopt;
    return Rgba{color.r, color.g, color.b, static_cast<uint8_t>(coverage)};
  });
  clip_ = saved;
}

}  // namespace sim
