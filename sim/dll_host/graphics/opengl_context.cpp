#include "sim/dll_host/graphics/opengl_context.h"

#include <cstring>
#include <memory>
#include <string>

#include "sim/dll_host/graphics/graphics_faults.h"
#include "sim/dll_host/graphics/renderer_devices.h"
#include "sim/dll_host/graphics/texture_record.h"
#include "sim/dll_host/session.h"

namespace sim::dll_host::graphics {
namespace {

std::string Hex(uint32_t value) {
  char text[16];
  std::snprintf(text, sizeof text, "0x%X", value);
  return text;
}

[[noreturn]] void Unimplemented(const char* call, const std::string& detail) {
  FailScenario(std::string("unimplemented import ") + call + " (" + detail + ")");
}

[[noreturn]] void QuadFails(const std::string& why) { FailScenario("glEnd: " + why); }

void RequireTexture2D(const char* call, uint32_t target) {
  if (target != gl::kTexture2D) Unimplemented(call, "target " + Hex(target));
}

// 0 for nearest, 1 for linear, both ways; anything else the record cannot
// name (a mipmap filter leaves a texture without mipmaps undrawable).
int32_t Smooth(uint32_t name, const GlTexture& t) {
  if (t.minFilter == gl::kNearest && t.magFilter == gl::kNearest) return 0;
  if (t.minFilter == gl::kLinear && t.magFilter == gl::kLinear) return 1;
  QuadFails("texture " + std::to_string(name) + " has min filter " + Hex(t.minFilter) +
            " and mag filter " + Hex(t.magFilter) +
            ": neither both nearest nor both linear (a mipmap filter draws nothing)");
}

}  // namespace

GlContext::GlContext() {
  enabled_.insert(gl::kDither);  // the one capability OpenGL starts with
  textures_[0];
}

void GlContext::OutsideBeginEnd(const char* call) const {
  if (inQuad_) FailScenario(std::string(call) + " between glBegin and glEnd");
}

const GlTexture* GlContext::Texture(uint32_t name) const {
  const auto it = textures_.find(name);
  return it != textures_.end() ? &it->second : nullptr;
}

void GlContext::GenTextures(int32_t count, uint32_t* names) {
  OutsideBeginEnd("glGenTextures");
  for (int32_t i = 0; i < count; ++i) {
    if (Faults().noTextureNames) {
      names[i] = 0;
      continue;
    }
    names[i] = nextName_++;
    textures_[names[i]];
  }
}

void GlContext::DeleteTextures(int32_t count, const uint32_t* names) {
  OutsideBeginEnd("glDeleteTextures");
  for (int32_t i = 0; i < count; ++i) {
    if (names[i] == 0) continue;  // the default texture is never deleted
    textures_.erase(names[i]);
    if (bound_ == names[i]) bound_ = 0;
  }
}

void GlContext::BindTexture(uint32_t target, uint32_t name) {
  OutsideBeginEnd("glBindTexture");
  RequireTexture2D("glBindTexture", target);
  textures_[name];  // binding an unused name makes its texture
  bound_ = name;
}

void GlContext::TexParameteri(uint32_t target, uint32_t parameter, int32_t value) {
  OutsideBeginEnd("glTexParameteri");
  RequireTexture2D("glTexParameteri", target);
  GlTexture& t = Bound();
  switch (parameter) {
    case gl::kMinFilter: t.minFilter = uint32_t(value); return;
    case gl::kMagFilter: t.magFilter = uint32_t(value); return;
    case gl::kWrapS: t.wrapS = uint32_t(value); return;
    case gl::kWrapT: t.wrapT = uint32_t(value); return;
  }
  Unimplemented("glTexParameteri", "parameter " + Hex(parameter));
}

void GlContext::TexImage2D(uint32_t target, int32_t level, int32_t internalFormat, int32_t width,
                           int32_t height, int32_t border, uint32_t format, uint32_t type,
                           const void* pixels) {
  OutsideBeginEnd("glTexImage2D");
  RequireTexture2D("glTexImage2D", target);
  const bool fourChannels = internalFormat == 4 || uint32_t(internalFormat) == gl::kRgba ||
                            uint32_t(internalFormat) == gl::kRgba8;
  if (level != 0 || border != 0 || !fourChannels || type != gl::kUnsignedByte ||
      (format != gl::kRgba && format != gl::kBgra) || width <= 0 || height <= 0) {
    Unimplemented("glTexImage2D", "level " + std::to_string(level) + ", internal format " +
                                      Hex(uint32_t(internalFormat)) + ", format " + Hex(format) +
                                      ", type " + Hex(type) + ": only level 0 of 8-bit RGBA");
  }
  GlTexture& t = Bound();
  t.defined = true;
  t.width = width;
  t.height = height;
  // Rows of 4 x width bytes are aligned to the default unpack alignment.
  t.rgba.assign(size_t(width) * size_t(height) * 4, 0);
  if (pixels != nullptr) std::memcpy(t.rgba.data(), pixels, t.rgba.size());
  if (format == gl::kBgra) {
    for (size_t i = 0; i < t.rgba.size(); i += 4) std::swap(t.rgba[i], t.rgba[i + 2]);
  }
}

void GlContext::Enable(uint32_t capability) {
  OutsideBeginEnd("glEnable");
  enabled_.insert(capability);
}

void GlContext::Disable(uint32_t capability) {
  OutsideBeginEnd("glDisable");
  enabled_.erase(capability);
}

uint8_t GlContext::IsEnabled(uint32_t capability) {
  OutsideBeginEnd("glIsEnabled");
  return Enabled(capability) ? 1 : 0;
}

void GlContext::GetIntegerv(uint32_t parameter, int32_t* values) {
  OutsideBeginEnd("glGetIntegerv");
  if (parameter != gl::kTextureBinding2D)
    Unimplemented("glGetIntegerv", "parameter " + Hex(parameter));
  values[0] = int32_t(bound_);
}

void GlContext::BlendFunc(uint32_t source, uint32_t destination) {
  OutsideBeginEnd("glBlendFunc");
  blendSource_ = source;
  blendDestination_ = destination;
}

void GlContext::Begin(uint32_t mode) {
  OutsideBeginEnd("glBegin");
  if (mode != gl::kQuads) Unimplemented("glBegin", "mode " + Hex(mode) + ": only GL_QUADS");
  inQuad_ = true;
  corners_.clear();
}

void GlContext::TexCoord2f(float u, float v) {
  u_ = u;
  v_ = v;
}

void GlContext::Vertex2i(int32_t x, int32_t y) {
  if (!inQuad_) FailScenario("glVertex2i outside glBegin and glEnd");
  corners_.push_back({u_, v_, x, y});
}

void GlContext::End() {
  if (!inQuad_) FailScenario("glEnd without glBegin");
  inQuad_ = false;
  if (corners_.size() != 4) {
    QuadFails(std::to_string(corners_.size()) + " vertices: only one quad is drawn at a time");
  }
  if (!preparedSurface_.has_value()) {
    QuadFails("no surface prepared (renderer slot 1) since the last draw");
  }
  const int32_t surface = *preparedSurface_;
  preparedSurface_.reset();
  RecordQuad(surface);
}

void GlContext::RecordQuad(int32_t surface) {
  if (!Enabled(gl::kTexture2D)) QuadFails("a quad drawn with GL_TEXTURE_2D disabled");
  const GlTexture& t = Bound();
  if (!t.defined) QuadFails("texture " + std::to_string(bound_) + " has no level 0");

  // Each corner of the texture once, at the matching corner of the
  // rectangle: (0, 0) top left, (1, 1) bottom right.
  const Corner* at[2][2] = {};
  for (const Corner& c : corners_) {
    const bool unitU = c.u == 0 || c.u == 1, unitV = c.v == 0 || c.v == 1;
    if (!unitU || !unitV || at[int(c.u)][int(c.v)] != nullptr) {
      QuadFails("the texture coordinates are not the texture's four corners");
    }
    at[int(c.u)][int(c.v)] = &c;
  }
  const int32_t x = at[0][0]->x, y = at[0][0]->y;
  const int32_t right = at[1][1]->x, bottom = at[1][1]->y;
  if (at[0][1]->x != x || at[0][1]->y != bottom || at[1][0]->x != right || at[1][0]->y != y) {
    QuadFails("the quad is not the rectangle its corners' texture coordinates name");
  }

  TextureDraw draw;
  draw.kind = RendererKind::OpenGL;
  draw.surface = surface;
  draw.smooth = Smooth(bound_, t);
  draw.x = x;
  draw.y = y;
  draw.w = int32_t(uint32_t(right) - uint32_t(x));
  draw.h = int32_t(uint32_t(bottom) - uint32_t(y));
  draw.picture.width = t.width;
  draw.picture.height = t.height;
  draw.picture.rgba = t.rgba;
  if (Enabled(gl::kBlend)) {
    if (blendSource_ != gl::kSrcAlpha || blendDestination_ != gl::kOneMinusSrcAlpha) {
      QuadFails("blend function " + Hex(blendSource_) + ", " + Hex(blendDestination_) +
                ": only GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA");
    }
  } else {
    // Without blending every texel covers the screen, transparent or not.
    for (size_t i = 3; i < draw.picture.rgba.size(); i += 4) draw.picture.rgba[i] = 255;
  }
  RecordTextureDraw(std::move(draw));
}

GlContext& HostGl() {
  static auto* context = new GlContext;
  return *context;
}

void ResetGl() { HostGl() = GlContext(); }

void NoteSurfacePrepared(int32_t surface) { HostGl().NoteSurfacePrepared(surface); }

}  // namespace sim::dll_host::graphics
