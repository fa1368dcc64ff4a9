#include "gui/texture/texture.h"

#include "host/host_memory.h"

bool GUI_Texture::Decode() {
  if (!decoded_) {
    picture_ = gui::LoadPng(path);
    decoded_ = true;
  }
  return picture_.has_value();
}

namespace gui {
namespace {
TextureFactory installedFactory = nullptr;
}  // namespace

void SetTextureFactory(TextureFactory factory) { installedFactory = factory; }

std::unique_ptr<GUI_Texture> CreateTexture(const std::string& path) {
  const uint32_t kind = host::At<uint32_t>(kRendererKindVariable);
  if (kind > static_cast<uint32_t>(RendererKind::Direct3D9) || installedFactory == nullptr) {
    return nullptr;
  }
  return installedFactory(static_cast<RendererKind>(kind), path);
}

}  // namespace gui
