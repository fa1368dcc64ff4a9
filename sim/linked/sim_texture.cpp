#include "sim/linked/sim_texture.h"

#include <utility>

#include "gui/texture/texture_pixels.h"
#include "sim/linked/linked_backend.h"

namespace sim {
namespace {

using gui::RendererKind;

class SimTexture final : public GUI_Texture {
 public:
  SimTexture(RendererKind kind, std::string path) : GUI_Texture(std::move(path)), kind_(kind) {}

  void Draw(int32_t surface, uint8_t smooth, int32_t x, int32_t y, int32_t w,
            int32_t h) override {
    if (picture_ == nullptr) {
      if (!Decode()) return;  // drawn as nothing
      picture_ = std::make_shared<const DrawnPicture>(ShownPicture(kind_, Picture()));
    }
    // Recorded with whichever simulated host is running now.
    SimHost* host = LinkedHost();
    if (host == nullptr) return;
    host->Draws().push_back({kTextureDraw,
                             {surface, smooth, x, y, w, h, static_cast<int32_t>(kind_)},
                             path,
                             picture_});
  }

 private:
  RendererKind kind_;
  std::shared_ptr<const DrawnPicture> picture_;  // the "uploaded" pixels
};

}  // namespace

DrawnPicture ShownPicture(RendererKind kind, gui::DecodedImage image) {
  namespace tx = gui::texture;
  uint8_t* p = image.pixels.data();
  const size_t count = image.pixels.size() / 4;
  switch (kind) {
    case RendererKind::OpenGL:
      tx::ToOpenGlPixels(p, count);  // already red, green, blue, alpha
      break;
    case RendererKind::Direct3D9:
      tx::ClearNonOpaquePixels(p, count);
      for (size_t i = 0; i < count; ++i) std::swap(p[i * 4], p[i * 4 + 2]);
      break;
    case RendererKind::DirectDraw:
      tx::ToColourKeyPixels(p, count);
      // The blit leaves out every pixel that equals the colour key.
      for (size_t i = 0; i < count; ++i) {
        uint8_t* q = p + i * 4;
        const bool keyed = q[0] == 255 && q[1] == 0 && q[2] == 255;
        std::swap(q[0], q[2]);
        q[3] = keyed ? 0 : 255;
      }
      break;
  }
  return {image.width, image.height, std::move(image.pixels)};
}

std::unique_ptr<GUI_Texture> CreateSimTexture(RendererKind kind, const std::string& path) {
  return std::make_unique<SimTexture>(kind, path);
}

}  // namespace sim
