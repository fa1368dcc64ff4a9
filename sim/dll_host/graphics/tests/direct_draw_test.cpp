// The virtual tables' stubs, and the DirectDraw paths the DLL handles:
// surfaces that do not fit video memory, lost surfaces, busy blits, a
// 16-bit display.
#include "sim/dll_host/graphics/direct_draw.h"

#include <algorithm>
#include <initializer_list>
#include <string_view>

#include "sim/dll_host/graphics/com_interfaces.h"
#include "sim/dll_host/graphics/direct3d9.h"
#include "sim/dll_host/graphics/graphics_faults.h"
#include "sim/dll_host/graphics/renderer_devices.h"
#include "sim/dll_host/graphics/tests/dll_texture_calls.h"
#include "sim/dll_host/graphics/tests/sample_picture.h"
#include "sim/dll_host/graphics/tests/test_session.h"
#include "sim/dll_host/win32/tests/layer_test.h"

using namespace sim::dll_host::graphics;
using namespace sim::dll_host::graphics::test_calls;
using sim::dll_host::test::CallSlot;
using sim::dll_host::test::Draws;
using sim::dll_host::test::FailureOf;

namespace {

void FreshHost() {
  InstallRendererDevices(Renderer());
  Draws().clear();
}

// Calls every slot not in `bound` (calling a bound one with zeros would do
// something) and expects the failure to name that slot's method.
template <size_t N>
void CheckEveryStub(const ComInterface<N>& interface, const void* object,
                    std::initializer_list<std::string_view> bound) {
  for (size_t slot = 0; slot < N; ++slot) {
    const std::string_view method = interface.methods[slot];
    if (std::find(bound.begin(), bound.end(), method) != bound.end()) continue;
    CHECK_EQ(FailureOf([&] { CallSlot(object, slot, 0u); }),
             std::string("unimplemented import ") + interface.name + "::" + std::string(method));
  }
}

}  // namespace

TEST_CASE("stubs: a slot without behaviour fails the scenario naming its own method") {
  FreshHost();
  void* texture = UploadDirect3DTexture(SamplePicture());
  void* surface = CreateDirectDrawTexture(SamplePicture());
  struct Row {
    const void* object;
    size_t slot;  // the documented position
    const char* failure;
  };
  const Row rows[] = {
      {HostDirectDraw(), 0, "unimplemented import IDirectDraw7::QueryInterface"},
      {HostDirectDraw(), 20, "unimplemented import IDirectDraw7::SetCooperativeLevel"},
      {HostDirectDraw(), 29, "unimplemented import IDirectDraw7::EvaluateMode"},
      {surface, 11, "unimplemented import IDirectDrawSurface7::Flip"},
      {surface, 17, "unimplemented import IDirectDrawSurface7::GetDC"},
      {surface, 48, "unimplemented import IDirectDrawSurface7::GetLOD"},
      {DestinationSurface(1), 3, "unimplemented import IDirectDrawSurface7::AddAttachedSurface"},
      {HostDevice(), 17, "unimplemented import IDirect3DDevice9::Present"},
      {HostDevice(), 41, "unimplemented import IDirect3DDevice9::BeginScene"},
      {HostDevice(), 57, "unimplemented import IDirect3DDevice9::SetRenderState"},
      {HostDevice(), 89, "unimplemented import IDirect3DDevice9::SetFVF"},
      {HostDevice(), 118, "unimplemented import IDirect3DDevice9::CreateQuery"},
      {texture, 18, "unimplemented import IDirect3DTexture9::GetSurfaceLevel"},
      {texture, 21, "unimplemented import IDirect3DTexture9::AddDirtyRect"},
  };
  for (const Row& row : rows) {
    CHECK_EQ(FailureOf([&] { CallSlot(row.object, row.slot, 0u, 0u, 0u); }),
             std::string(row.failure));
  }
  // And every slot without behaviour, of every table, names its own method.
  CheckEveryStub(kDirectDraw7, HostDirectDraw(), {"AddRef", "Release", "CreateSurface"});
  CheckEveryStub(kDirectDrawSurface7, surface,
                 {"AddRef", "Release", "Blt", "BltFast", "GetSurfaceDesc", "IsLost", "Lock",
                  "Restore", "SetColorKey", "Unlock"});
  CheckEveryStub(kDirect3DDevice9, HostDevice(),
                 {"AddRef", "Release", "CreateTexture", "SetTexture", "GetSamplerState",
                  "SetSamplerState", "DrawPrimitiveUP"});
  CheckEveryStub(kDirect3DTexture9, texture, {"AddRef", "Release", "LockRect", "UnlockRect"});
}

TEST_CASE("DirectDraw: a surface that does not fit video memory goes to system memory") {
  struct Row {
    bool videoMemoryFull, creationFails;
    bool created;
    uint32_t memory;
  };
  const Row rows[] = {
      {false, false, true, kCapsVideoMemory},
      {true, false, true, kCapsSystemMemory},
      {true, true, false, 0},
      {false, true, false, 0},
  };
  for (const Row& row : rows) {
    FreshHost();
    const int before = OffscreenSurfaceCount();
    Faults().videoMemoryFull = row.videoMemoryFull;
    Faults().surfaceCreationFails = row.creationFails;
    auto* surface = static_cast<DdSurface*>(CreateDirectDrawTexture(SamplePicture()));
    CHECK_EQ(surface != nullptr, row.created);
    if (surface == nullptr) {
      CHECK_EQ(OffscreenSurfaceCount(), before);
      continue;
    }
    CHECK_EQ(surface->caps & (kCapsSystemMemory | kCapsVideoMemory), row.memory);
    CHECK(surface->hasSourceKey && surface->sourceKey.low == 0xFF00FF &&
          surface->sourceKey.high == 0xFF00FF);
    CHECK_EQ(CallSlot(surface, 2), 0u);  // Release: the last reference
    CHECK_EQ(OffscreenSurfaceCount(), before);
  }
}

TEST_CASE("DirectDraw: lost surfaces are restored and refilled; busy blits are retried") {
  struct Row {
    const char* what;
    int stubbornRestores, busyBlits;
    bool refill;    // the DLL refills after a restore
    uint32_t blit;  // what the draw's last blit answered
    size_t records;
    bool shows;  // the record shows the picture (not a cleared surface)
  };
  const Row rows[] = {
      {"restored at once", 0, 0, true, kOk, 1, true},
      {"restored on the third try", 2, 0, true, kOk, 1, true},
      {"lost through every restore", 20, 0, true, kDdErrSurfaceLost, 0, false},
      {"restored but not refilled", 0, 0, false, kOk, 1, false},
      {"busy twice", 0, 2, true, kOk, 1, true},
      {"busy ten times", 0, 10, true, kDdErrWasStillDrawing, 0, false},
  };
  for (const Row& row : rows) {
    FreshHost();
    void* surface = CreateDirectDrawTexture(SamplePicture());
    FillDirectDrawTexture(surface, SamplePicture());
    LoseSurfaces();
    CHECK_EQ(CallSlot(surface, SlotOf(kDirectDrawSurface7, "IsLost")), kDdErrSurfaceLost);
    DdSurfaceDesc2 desc{};
    desc.size = sizeof desc;
    CHECK_EQ(CallSlot(surface, SlotOf(kDirectDrawSurface7, "Lock"), nullptr, &desc, 1u, 0u),
             kDdErrSurfaceLost);
    Faults().stubbornRestores = row.stubbornRestores;
    Faults().busyBlits = row.busyBlits;
    // Draw restores; the DLL's Draw refills between the restore and the blit.
    if (CallSlot(surface, SlotOf(kDirectDrawSurface7, "IsLost")) == kDdErrSurfaceLost) {
      for (int attempt = 0; attempt < 10; ++attempt) {
        CallSlot(surface, SlotOf(kDirectDrawSurface7, "Restore"));
        if (CallSlot(surface, SlotOf(kDirectDrawSurface7, "IsLost")) == kOk) break;
      }
    }
    if (row.refill && CallSlot(surface, SlotOf(kDirectDrawSurface7, "IsLost")) == kOk) {
      CHECK(FillDirectDrawTexture(surface, SamplePicture()));
    }
    CHECK_EQ(DrawDirectDrawTexture(surface, 1, 5, 6, 7, 8), row.blit);
    CHECK_EQ(Draws().size(), row.records);
    if (Draws().empty()) continue;
    CHECK(Draws()[0].args == (std::vector<int32_t>{1, 0, 5, 6, 7, 8, 0}));
    CHECK_EQ(Draws()[0].picture->rgba == ExpectedShown(RendererKind::DirectDraw), row.shows);
  }
}

TEST_CASE("DirectDraw: what the surface reports, and the blits the DLL must not get wrong") {
  FreshHost();
  Faults().extraPitchBytes = 8;
  void* surface = CreateDirectDrawTexture(SamplePicture());
  DdSurfaceDesc2 desc{};
  desc.size = sizeof desc;
  CHECK_EQ(CallSlot(surface, SlotOf(kDirectDrawSurface7, "Lock"), nullptr, &desc, 1u, 0u), kOk);
  CHECK_EQ(desc.width, 3u);
  CHECK_EQ(desc.height, 2u);
  CHECK_EQ(desc.pitch, 3 * 4 + 8);
  CHECK_EQ(desc.pixelFormat.rgbBitCount, 32u);
  CHECK_EQ(desc.pixelFormat.redMask, 0xFF0000u);
  CHECK(desc.surface != 0);
  CHECK_EQ(CallSlot(surface, SlotOf(kDirectDrawSurface7, "Lock"), nullptr, &desc, 1u, 0u),
           kDdErrSurfaceBusy);
  // Blitting a locked surface is refused; unlocking twice too.
  Rect rect{0, 0, 3, 2};
  void* target = DestinationSurface(1);
  CHECK_EQ(CallSlot(target, SlotOf(kDirectDrawSurface7, "Blt"), &rect, surface, nullptr, kBltKeySrc,
                    nullptr),
           kDdErrSurfaceBusy);
  CHECK_EQ(CallSlot(surface, SlotOf(kDirectDrawSurface7, "Unlock"), nullptr), kOk);
  CHECK_EQ(CallSlot(surface, SlotOf(kDirectDrawSurface7, "Unlock"), nullptr), kDdErrNotLocked);
  CHECK(FillDirectDrawTexture(surface, SamplePicture()));

  // An empty rectangle is refused, as DirectDraw refuses it.
  Rect empty{10, 10, 10, 12};
  CHECK_EQ(CallSlot(target, SlotOf(kDirectDrawSurface7, "Blt"), &empty, surface, nullptr,
                    kBltKeySrc, nullptr),
           kDdErrInvalidRect);
  // Without the key flag, the key colour is drawn.
  CHECK_EQ(CallSlot(target, SlotOf(kDirectDrawSurface7, "Blt"), &rect, surface, nullptr, kBltWait,
                    nullptr),
           kOk);
  CHECK_EQ(Draws().size(), size_t{1});
  if (!Draws().empty()) CHECK_EQ(Draws()[0].picture->rgba[11], uint8_t{255});
  // BltFast at a point, with the key.
  CHECK_EQ(CallSlot(target, SlotOf(kDirectDrawSurface7, "BltFast"), 4u, 9u, surface, nullptr,
                    kBltFastSrcColourKey),
           kOk);
  CHECK_EQ(Draws().size(), size_t{2});
  if (Draws().size() == 2) {
    CHECK(Draws()[1].args == (std::vector<int32_t>{1, 0, 4, 9, 3, 2, 0}));
    CHECK(Draws()[1].picture->rgba == ExpectedShown(RendererKind::DirectDraw));
  }
  // A key asked for on a surface that has none.
  CHECK_EQ(CallSlot(surface, SlotOf(kDirectDrawSurface7, "SetColorKey"), kKeySrcBlt, nullptr), kOk);
  CHECK_EQ(CallSlot(target, SlotOf(kDirectDrawSurface7, "Blt"), &rect, surface, nullptr, kBltKeySrc,
                    nullptr),
           kDdErrNoColourKey);
  // Other blits are not modelled: they fail naming the call.
  CHECK_EQ(FailureOf([&] {
             CallSlot(target, SlotOf(kDirectDrawSurface7, "Blt"), &rect, surface, nullptr, 0x400u,
                      nullptr);
           }),
           std::string("unimplemented import IDirectDrawSurface7::Blt (flags 0x400)"));
  CHECK_EQ(FailureOf([&] { CallSlot(DestinationSurface(2), 2); }),
           std::string("IDirectDrawSurface7::Release: the host's destination surface 2 released"));
}

TEST_CASE("DirectDraw: on a 16-bit display the DLL leaves the surface unfilled") {
  FreshHost();
  Faults().displayBitsPerPixel = 16;
  void* surface = CreateDirectDrawTexture(SamplePicture());
  CHECK(surface != nullptr);
  CHECK(!FillDirectDrawTexture(surface, SamplePicture()));
  CHECK(Draws().empty());
}
