// The host's OpenGL context as the DLL's OPENGL32 calls see it: the
// capabilities enabled, the texture bound to GL_TEXTURE_2D, the texture
// objects (filters, level 0 pixels), the blend function, and the quad
// being specified between glBegin and glEnd. A textured quad ended with
// glEnd is a texture draw; the surface it lands on is the one the DLL passed
// to the renderer's "prepare a surface" operation (NoteSurfacePrepared) just
// before.
//
// What the DLL asks of OpenGL beyond what its texture code does fails the
// scenario naming the call, rather than drawing something the record would
// not show. Main thread only.
#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <set>
#include <vector>

namespace sim::dll_host::graphics {

namespace gl {
inline constexpr uint32_t kQuads = 0x0007;
inline constexpr uint32_t kSrcAlpha = 0x0302, kOneMinusSrcAlpha = 0x0303;
inline constexpr uint32_t kOne = 1, kZero = 0;
inline constexpr uint32_t kDither = 0x0BD0, kBlend = 0x0BE2, kTexture2D = 0x0DE1;
inline constexpr uint32_t kUnsignedByte = 0x1401;
inline constexpr uint32_t kRgba = 0x1908, kRgba8 = 0x8058, kBgra = 0x80E1;
inline constexpr uint32_t kNearest = 0x2600, kLinear = 0x2601;
inline constexpr uint32_t kNearestMipmapLinear = 0x2702;
inline constexpr uint32_t kMagFilter = 0x2800, kMinFilter = 0x2801;
inline constexpr uint32_t kWrapS = 0x2802, kWrapT = 0x2803;
inline constexpr uint32_t kClamp = 0x2900, kRepeat = 0x2901;
inline constexpr uint32_t kTextureBinding2D = 0x8069;
}  // namespace gl

struct GlTexture {
  uint32_t minFilter = gl::kNearestMipmapLinear;  // OpenGL's defaults
  uint32_t magFilter = gl::kLinear;
  uint32_t wrapS = gl::kRepeat, wrapT = gl::kRepeat;
  bool defined = false;  // level 0 given
  int32_t width = 0, height = 0;
  std::vector<uint8_t> rgba;
};

class GlContext {
 public:
  GlContext();

  // ---- the OPENGL32 calls --------------------------------------------------------
  void GenTextures(int32_t count, uint32_t* names);
  void DeleteTextures(int32_t count, const uint32_t* names);
  void BindTexture(uint32_t target, uint32_t name);
  void TexParameteri(uint32_t target, uint32_t parameter, int32_t value);
  void TexImage2D(uint32_t target, int32_t level, int32_t internalFormat, int32_t width,
                  int32_t height, int32_t border, uint32_t format, uint32_t type,
                  const void* pixels);
  void Enable(uint32_t capability);
  void Disable(uint32_t capability);
  uint8_t IsEnabled(uint32_t capability);
  void GetIntegerv(uint32_t parameter, int32_t* values);
  void BlendFunc(uint32_t source, uint32_t destination);
  void Begin(uint32_t mode);
  void TexCoord2f(float u, float v);
  void Vertex2i(int32_t x, int32_t y);
  void End();

  // ---- what the host and a check see -------------------------------------------------
  void NoteSurfacePrepared(int32_t surface) { preparedSurface_ = surface; }
  bool Enabled(uint32_t capability) const { return enabled_.count(capability) != 0; }
  uint32_t BoundTexture() const { return bound_; }
  const GlTexture* Texture(uint32_t name) const;
  size_t TextureCount() const { return textures_.size() - 1; }  // the default one apart

 private:
  struct Corner {
    float u, v;
    int32_t x, y;
  };
  void OutsideBeginEnd(const char* call) const;
  GlTexture& Bound() { return textures_[bound_]; }
  void RecordQuad(int32_t surface);

  std::set<uint32_t> enabled_;
  uint32_t bound_ = 0;
  std::map<uint32_t, GlTexture> textures_;  // name 0: the default texture
  uint32_t nextName_ = 1;
  uint32_t blendSource_ = gl::kOne, blendDestination_ = gl::kZero;
  bool inQuad_ = false;
  float u_ = 0, v_ = 0;  // the current texture coordinates
  std::vector<Corner> corners_;
  std::optional<int32_t> preparedSurface_;
};

// The host's context; ResetGl makes a fresh one (a new scenario's host).
GlContext& HostGl();
void ResetGl();

}  // namespace sim::dll_host::graphics
