// Each renderer kind, driven as the DLL drives it: the recorded draw names
// the surface, filter and rectangle the DLL asked for, and shows the
// picture the host works out from the file on its own.
#include <array>

#include "host/host_memory.h"
#include "sim/dll_host/graphics/direct3d9.h"
#include "sim/dll_host/graphics/direct_draw.h"
#include "sim/dll_host/graphics/graphics_faults.h"
#include "sim/dll_host/graphics/opengl_context.h"
#include "sim/dll_host/graphics/renderer_devices.h"
#include "sim/dll_host/graphics/tests/dll_texture_calls.h"
#include "sim/dll_host/graphics/tests/sample_picture.h"
#include "sim/dll_host/graphics/tests/test_session.h"
#include "sim/dll_host/win32/tests/layer_test.h"

using namespace sim::dll_host::graphics;
using namespace sim::dll_host::graphics::test_calls;
using sim::dll_host::test::Draws;
using sim::dll_host::test::FailureOf;

namespace {

// A fresh host: the devices reinstalled, nothing recorded.
void FreshHost() {
  InstallRendererDevices(Renderer());
  Draws().clear();
}

void CheckRecord(const sim::DrawCall& call, const std::vector<int32_t>& args, RendererKind kind) {
  CHECK_EQ(call.name, std::string("Texture"));
  CHECK(call.args == args);
  CHECK_EQ(call.text, std::string(""));
  CHECK(call.picture != nullptr);
  if (call.picture == nullptr) return;
  // The hand-written table, and the host's own reading of the same picture.
  CHECK(call.picture->rgba == ExpectedShown(kind));
  CHECK(call.picture->rgba == ShownPicture(kind, SamplePicture()).rgba);
  CHECK_EQ(call.picture->width, SamplePicture().width);
  CHECK_EQ(call.picture->height, SamplePicture().height);
}

}  // namespace

TEST_CASE("texture draws: every kind records surface, smooth, rectangle, kind and the picture") {
  struct Row {
    RendererKind kind;
    int32_t surface;
    uint8_t smooth;
    int32_t x, y, w, h;
    int32_t recordedSmooth;  // DirectDraw cannot see it: always 0
  };
  const Row rows[] = {
      {RendererKind::DirectDraw, 1, 0, 30, 40, 64, 32, 0},
      {RendererKind::DirectDraw, 2, 1, -5, 7, 3, 2, 0},
      {RendererKind::Direct3D9, 1, 0, 30, 40, 64, 32, 0},
      {RendererKind::Direct3D9, 2, 1, -5, 7, 3, 2, 1},
      {RendererKind::Direct3D9, 3, 1, 0, 0, 1, 1, 1},
      {RendererKind::OpenGL, 1, 0, 30, 40, 64, 32, 0},
      {RendererKind::OpenGL, 2, 1, -5, 7, 3, 2, 1},
      {RendererKind::OpenGL, 0, 1, 100, 200, 6, 4, 1},
  };
  for (const Row& row : rows) {
    FreshHost();
    const DecodedPicture& image = SamplePicture();
    switch (row.kind) {
      case RendererKind::DirectDraw: {
        void* surface = CreateDirectDrawTexture(image);
        CHECK(surface != nullptr && FillDirectDrawTexture(surface, image));
        CHECK_EQ(DrawDirectDrawTexture(surface, row.surface, row.x, row.y, row.w, row.h), kOk);
        break;
      }
      case RendererKind::Direct3D9: {
        void* texture = UploadDirect3DTexture(image);
        CHECK(texture != nullptr);
        DrawDirect3DTexture(texture, row.surface, row.smooth, row.x, row.y, row.w, row.h);
        break;
      }
      case RendererKind::OpenGL: {
        const uint32_t name = UploadOpenGlTexture(image, row.smooth);
        CHECK(name != 0);
        DrawOpenGlTexture(name, row.surface, row.x, row.y, row.w, row.h);
        break;
      }
    }
    CHECK_EQ(Draws().size(), size_t{1});
    if (Draws().size() != 1) continue;
    CheckRecord(Draws()[0],
                {row.surface, row.recordedSmooth, row.x, row.y, row.w, row.h, int32_t(row.kind)},
                row.kind);
  }
}

TEST_CASE("install: the renderer's fields hold the interface, surfaces 0-3 and the device") {
  FreshHost();
  const uint32_t renderer = Renderer();
  CHECK_EQ(host::Read<uint32_t>(renderer + 0x74), host::AddressOf(HostDirectDraw()));
  CHECK_EQ(host::Read<uint32_t>(renderer + 0x1F8), host::AddressOf(HostDevice()));
  for (int n = 0; n < 4; ++n) {
    const uint32_t field = host::Read<uint32_t>(renderer + 0x88 + 4 * uint32_t(n));
    CHECK_EQ(field, host::AddressOf(DestinationSurface(n)));
    CHECK_EQ(DestinationSurface(n)->number, n);
  }
  // Nothing beyond them: the virtual table (first word) is the host's.
  CHECK_EQ(host::Read<uint32_t>(renderer), 0u);
}

TEST_CASE("Direct3D 9: the DLL's filter is restored after the draw; a texture on a stage stays") {
  FreshHost();
  D3dDevice* device = HostDevice();
  device->samplers[0][kD3dSamplerMinFilter] = 3;  // what the host had: anisotropic
  device->samplers[0][kD3dSamplerMagFilter] = kD3dFilterLinear;
  void* texture = UploadDirect3DTexture(SamplePicture());
  DrawDirect3DTexture(texture, 1, 0, 0, 0, 6, 4);
  CHECK_EQ(device->samplers[0][kD3dSamplerMinFilter], 3u);
  CHECK_EQ(device->samplers[0][kD3dSamplerMagFilter], kD3dFilterLinear);
  CHECK_EQ(Draws().size(), size_t{1});
  // Released by the DLL while on stage 0: the device still holds it.
  const int before = TextureCount();
  sim::dll_host::test::CallSlot(texture, 2);
  CHECK_EQ(TextureCount(), before);
  ResetDevice();
  CHECK_EQ(TextureCount(), before - 1);
}

TEST_CASE("Direct3D 9: draws the record could not name fail the scenario, naming why") {
  struct Row {
    const char* what;
    uint32_t minFilter, magFilter;
    bool setup;
    const char* failure;  // empty: recorded
  };
  const Row rows[] = {
      {"point", kD3dFilterPoint, kD3dFilterPoint, true, ""},
      {"linear", kD3dFilterLinear, kD3dFilterLinear, true, ""},
      {"mixed", kD3dFilterPoint, kD3dFilterLinear, true,
       "IDirect3DDevice9::DrawPrimitiveUP: sampler 0 filters min 1, mag 2 are neither both point "
       "nor both linear"},
      {"linear min, point mag", kD3dFilterLinear, kD3dFilterPoint, true,
       "IDirect3DDevice9::DrawPrimitiveUP: sampler 0 filters min 2, mag 1 are neither both point "
       "nor both linear"},
      {"no setup", kD3dFilterPoint, kD3dFilterPoint, false,
       "IDirect3DDevice9::DrawPrimitiveUP: no render-state setup (host 0x534650) since the last "
       "draw"},
  };
  const auto strip = [] {
    struct V {
      float x, y, z, rhw;
      uint32_t colour;
      float u, v;
    };
    return std::array<V, 4>{{{1, 2, 0, 1, 0xFFFFFFFF, 0, 0},
                             {4, 2, 0, 1, 0xFFFFFFFF, 1, 0},
                             {1, 5, 0, 1, 0xFFFFFFFF, 0, 1},
                             {4, 5, 0, 1, 0xFFFFFFFF, 1, 1}}};
  }();
  for (const Row& row : rows) {
    FreshHost();
    D3dDevice* device = HostDevice();
    void* texture = UploadDirect3DTexture(SamplePicture());
    sim::dll_host::test::CallSlot(device, 65, 0u, texture);  // SetTexture
    device->samplers[0][kD3dSamplerMinFilter] = row.minFilter;
    device->samplers[0][kD3dSamplerMagFilter] = row.magFilter;
    if (row.setup) NoteRenderStateSetup(2);
    const std::string failure = FailureOf([&] {
      sim::dll_host::test::CallSlot(device, 83, kD3dTriangleStrip, 2u, strip.data(), 28u);
    });
    CHECK_EQ(failure, std::string(row.failure));
    CHECK_EQ(Draws().size(), size_t(row.failure[0] == '\0' ? 1 : 0));
    if (!Draws().empty())
      CHECK(Draws()[0].args == (std::vector<int32_t>{2, row.minFilter == 2, 1, 2, 3, 3, 2}));
  }
  // The setup serves one draw only.
  FreshHost();
  void* texture = UploadDirect3DTexture(SamplePicture());
  DrawDirect3DTexture(texture, 1, 0, 0, 0, 3, 2);
  const std::string second = FailureOf([&] {
    sim::dll_host::test::CallSlot(HostDevice(), 83, kD3dTriangleStrip, 2u, strip.data(), 28u);
  });
  CHECK(second.find("no render-state setup") != std::string::npos);
}

TEST_CASE("Direct3D 9: creation and lock failures reach the DLL as errors; pitch padding holds") {
  FreshHost();
  Faults().textureCreationFails = true;
  CHECK(UploadDirect3DTexture(SamplePicture()) == nullptr);
  Faults() = GraphicsFaults();
  const int before = TextureCount();
  Faults().textureLockFails = true;
  CHECK(UploadDirect3DTexture(SamplePicture()) == nullptr);
  CHECK_EQ(TextureCount(), before);  // the DLL released the one it could not lock
  Faults() = GraphicsFaults();
  Faults().extraPitchBytes = 12;
  void* texture = UploadDirect3DTexture(SamplePicture());
  DrawDirect3DTexture(texture, 1, 1, 0, 0, 6, 4);
  CHECK_EQ(Draws().size(), size_t{1});
  if (!Draws().empty()) CHECK(Draws()[0].picture->rgba == ExpectedShown(RendererKind::Direct3D9));
}

TEST_CASE("OpenGL: the host's texture state is restored; quads the record cannot name fail") {
  FreshHost();
  GlContext& context = HostGl();
  const uint32_t name = UploadOpenGlTexture(SamplePicture(), 1);
  CHECK(!context.Enabled(gl::kTexture2D));
  CHECK_EQ(context.BoundTexture(), 0u);
  DrawOpenGlTexture(name, 1, 0, 0, 6, 4);
  CHECK(!context.Enabled(gl::kTexture2D));
  CHECK(!context.Enabled(gl::kBlend));
  CHECK_EQ(context.BoundTexture(), 0u);
  CHECK_EQ(Draws().size(), size_t{1});

  // Without a prepared surface; with OpenGL's default (mipmap) min filter.
  CHECK_EQ(FailureOf([&] {
             context.Enable(gl::kTexture2D);
             context.BindTexture(gl::kTexture2D, name);
             context.Begin(gl::kQuads);
             for (int i = 0; i < 4; ++i)
               context.TexCoord2f(float(i & 1), float(i >> 1)), context.Vertex2i(i & 1, i >> 1);
             context.End();
           }),
           std::string("glEnd: no surface prepared (renderer slot 1) since the last draw"));
  FreshHost();
  uint32_t fresh = 0;
  HostGl().GenTextures(1, &fresh);
  HostGl().BindTexture(gl::kTexture2D, fresh);
  HostGl().TexImage2D(gl::kTexture2D, 0, int32_t(gl::kRgba), 6, 4, 0, gl::kRgba, gl::kUnsignedByte,
                      nullptr);
  const std::string mipmap = FailureOf([&] { DrawOpenGlTexture(fresh, 1, 0, 0, 6, 4); });
  CHECK(mipmap.find("glEnd: texture 1 has min filter 0x2702") == 0);
  CHECK(Draws().empty());

  // The name the DLL gets without a context: nothing uploaded, nothing left bound.
  FreshHost();
  Faults().noTextureNames = true;
  CHECK_EQ(UploadOpenGlTexture(SamplePicture(), 0), 0u);
  CHECK(!HostGl().Enabled(gl::kTexture2D));
}

TEST_CASE("OpenGL: without blending the transparent pixels cover the screen") {
  FreshHost();
  const uint32_t name = UploadOpenGlTexture(SamplePicture(), 0);
  NoteSurfacePrepared(1);
  GlContext& context = HostGl();
  context.Enable(gl::kTexture2D);
  context.BindTexture(gl::kTexture2D, name);
  context.Begin(gl::kQuads);
  const int32_t corners[4][4] = {{0, 0, 10, 20}, {0, 1, 10, 24}, {1, 1, 16, 24}, {1, 0, 16, 20}};
  for (const auto& c : corners) {
    context.TexCoord2f(float(c[0]), float(c[1]));
    context.Vertex2i(c[2], c[3]);
  }
  context.End();
  CHECK_EQ(Draws().size(), size_t{1});
  if (Draws().empty()) return;
  CHECK(Draws()[0].args == (std::vector<int32_t>{1, 0, 10, 20, 6, 4, 1}));
  for (size_t i = 3; i < Draws()[0].picture->rgba.size(); i += 4) {
    CHECK_EQ(Draws()[0].picture->rgba[i], uint8_t{255});
  }
}
