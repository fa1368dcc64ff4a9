#include "sim/dll_host/graphics/direct_draw.h"

#include <array>
#include <cstring>
#include <set>
#include <string>

#include "sim/dll_host/graphics/com_interfaces.h"
#include "sim/dll_host/graphics/graphics_faults.h"
#include "sim/dll_host/graphics/texture_record.h"

namespace sim::dll_host::graphics {
namespace {

// The off-screen surfaces alive now: what LoseSurfaces loses.
std::set<DdSurface*>& Offscreen() {
  static std::set<DdSurface*> surfaces;
  return surfaces;
}

std::string Hex(uint32_t value) {
  char text[16];
  std::snprintf(text, sizeof text, "0x%X", value);
  return text;
}

[[noreturn]] void Unimplemented(const char* method, const std::string& detail) {
  FailScenario(std::string("unimplemented import IDirectDrawSurface7::") + method + " (" + detail +
               ")");
}

DdPixelFormat DisplayFormat() {
  if (Faults().displayBitsPerPixel == 16) {
    return {sizeof(DdPixelFormat), kDdpfRgb, 0, 16, 0xF800, 0x07E0, 0x001F, 0};
  }
  return {sizeof(DdPixelFormat), kDdpfRgb, 0, 32, 0xFF0000, 0x00FF00, 0x0000FF, 0};
}

bool IsX8R8G8B8(const DdPixelFormat& f) {
  return (f.flags & kDdpfRgb) != 0 && f.rgbBitCount == 32 && f.redMask == 0xFF0000 &&
         f.greenMask == 0x00FF00 && f.blueMask == 0x0000FF;
}

// What Lock and GetSurfaceDesc report; `size` stays as the caller set it.
void Describe(const DdSurface& s, DdSurfaceDesc2* desc) {
  const uint32_t size = desc->size;
  std::memset(desc, 0, sizeof *desc);
  desc->size = size;
  desc->flags = kDdsdCaps | kDdsdHeight | kDdsdWidth | kDdsdPitch | kDdsdPixelFormat;
  desc->width = s.width;
  desc->height = s.height;
  desc->pitch = s.pitch;
  desc->pixelFormat = s.format;
  desc->caps[0] = s.caps;
  if (s.hasSourceKey) {
    desc->flags |= kDdsdCkSrcBlt;
    desc->srcBltKey = s.sourceKey;
  }
}

// A rectangle of `s` with positive size inside it; null is all of it.
bool InsideRect(const DdSurface& s, const Rect* rect, Rect* out) {
  *out = rect != nullptr ? *rect : Rect{0, 0, int32_t(s.width), int32_t(s.height)};
  return out->left >= 0 && out->top >= 0 && out->left < out->right && out->top < out->bottom &&
         uint32_t(out->right) <= s.width && uint32_t(out->bottom) <= s.height;
}

template <typename T>
COM_API uint32_t AddRef(T* self) {
  return ++self->references;
}

// ---- IDirectDraw7 ------------------------------------------------------------------
COM_API uint32_t DirectDrawRelease(DirectDraw* self) {
  if (self->references == 1) FailScenario("IDirectDraw7::Release: the host's interface released");
  return --self->references;
}

const void* const* SurfaceTable();

COM_API HResult CreateSurface(DirectDraw*, DdSurfaceDesc2* desc, DdSurface** out, void* outer) {
  if (outer != nullptr) return kClassNoAggregation;
  if (desc == nullptr || out == nullptr || desc->size != sizeof(DdSurfaceDesc2)) {
    return kDdErrInvalidParams;
  }
  *out = nullptr;
  const uint32_t caps = (desc->flags & kDdsdCaps) != 0 ? desc->caps[0] : 0;
  if ((caps & kCapsOffscreenPlain) == 0 || (caps & kCapsPrimarySurface) != 0) {
    FailScenario("unimplemented import IDirectDraw7::CreateSurface (caps " + Hex(caps) +
                 ": only off-screen plain surfaces)");
  }
  const uint32_t sized = kDdsdWidth | kDdsdHeight;
  if ((desc->flags & sized) != sized || desc->width == 0 || desc->height == 0) {
    return kDdErrInvalidParams;
  }
  if (Faults().surfaceCreationFails) return kDdErrOutOfMemory;
  if (Faults().videoMemoryFull && (caps & kCapsVideoMemory) != 0) return kDdErrOutOfVideoMemory;

  DdPixelFormat format = DisplayFormat();
  if ((desc->flags & kDdsdPixelFormat) != 0) {
    format = desc->pixelFormat;
    if (!IsX8R8G8B8(format)) {
      FailScenario(
          "unimplemented import IDirectDraw7::CreateSurface (a pixel format other "
          "than X8R8G8B8)");
    }
  }
  auto* surface = new DdSurface;
  surface->vtable = SurfaceTable();
  surface->width = desc->width;
  surface->height = desc->height;
  // A driver reports where the surface went: video memory unless asked
  // otherwise.
  surface->caps =
      (caps & (kCapsSystemMemory | kCapsVideoMemory)) != 0 ? caps : caps | kCapsVideoMemory;
  surface->format = format;
  surface->pitch = int32_t(desc->width * (format.rgbBitCount / 8)) + Faults().extraPitchBytes;
  surface->pixels.assign(size_t(surface->pitch) * desc->height, 0);
  if ((desc->flags & kDdsdCkSrcBlt) != 0) {
    surface->hasSourceKey = true;
    surface->sourceKey = desc->srcBltKey;
  }
  Offscreen().insert(surface);
  *out = surface;
  return kOk;
}

// ---- IDirectDrawSurface7 -------------------------------------------------------------
COM_API uint32_t SurfaceRelease(DdSurface* self) {
  if (self->number >= 0) {
    if (self->references == 1) {
      FailScenario("IDirectDrawSurface7::Release: the host's destination surface " +
                   std::to_string(self->number) + " released");
    }
    return --self->references;
  }
  if (--self->references != 0) return self->references;
  Offscreen().erase(self);
  delete self;
  return 0;
}

COM_API HResult Lock(DdSurface* self, Rect* rect, DdSurfaceDesc2* desc, uint32_t flags,
                     uint32_t event) {
  if (desc == nullptr || desc->size != sizeof(DdSurfaceDesc2)) return kDdErrInvalidParams;
  if (self->number >= 0) Unimplemented("Lock", "a destination surface");
  if (self->lost) return kDdErrSurfaceLost;
  if (self->locked) return kDdErrSurfaceBusy;
  Rect area;
  if (!InsideRect(*self, rect, &area)) return kDdErrInvalidRect;
  Describe(*self, desc);
  desc->flags |= kDdsdLpSurface;
  desc->surface = uint32_t(
      reinterpret_cast<uintptr_t>(self->pixels.data() + size_t(self->pitch) * size_t(area.top) +
                                  size_t(area.left) * (self->format.rgbBitCount / 8)));
  self->locked = true;
  return kOk;
}

COM_API HResult Unlock(DdSurface* self, Rect*) {
  if (!self->locked) return kDdErrNotLocked;
  self->locked = false;
  return kOk;
}

COM_API HResult GetSurfaceDesc(DdSurface* self, DdSurfaceDesc2* desc) {
  if (desc == nullptr || desc->size != sizeof(DdSurfaceDesc2)) return kDdErrInvalidParams;
  Describe(*self, desc);
  return kOk;
}

COM_API HResult IsLost(DdSurface* self) { return self->lost ? kDdErrSurfaceLost : kOk; }

COM_API HResult Restore(DdSurface* self) {
  if (!self->lost) return kOk;
  if (Faults().stubbornRestores > 0) {
    --Faults().stubbornRestores;
    return kDdErrWrongMode;
  }
  self->lost = false;
  return kOk;
}

COM_API HResult SetColorKey(DdSurface* self, uint32_t flags, ColourKey* key) {
  if ((flags & ~(kKeySrcBlt | kKeyColourSpace)) != 0 || (flags & kKeySrcBlt) == 0) {
    Unimplemented("SetColorKey", "key kind " + Hex(flags));
  }
  self->hasSourceKey = key != nullptr;
  if (key != nullptr) {
    // Without the colour-space flag the key is the one low value.
    self->sourceKey = {key->low, (flags & kKeyColourSpace) != 0 ? key->high : key->low};
  }
  return kOk;
}

// Both blits: `self` a destination surface, `source` one of the DLL's.
HResult BlitPicture(const char* method, DdSurface* self, const Rect& destination, DdSurface* source,
                    const Rect* sourceRect, bool keyed) {
  if (self->number < 0) Unimplemented(method, "onto an off-screen surface");
  if (source == nullptr) Unimplemented(method, "a colour fill");
  if (Faults().busyBlits > 0) {
    --Faults().busyBlits;
    return kDdErrWasStillDrawing;
  }
  if (self->lost || source->lost) return kDdErrSurfaceLost;
  if (source->locked) return kDdErrSurfaceBusy;
  Rect area;
  if (!InsideRect(*source, sourceRect, &area)) return kDdErrInvalidRect;
  if (destination.right <= destination.left || destination.bottom <= destination.top) {
    return kDdErrInvalidRect;
  }
  if (keyed && !source->hasSourceKey) return kDdErrNoColourKey;
  if (!IsX8R8G8B8(source->format)) Unimplemented(method, "from a surface that is not X8R8G8B8");

  TextureDraw draw;
  draw.kind = RendererKind::DirectDraw;
  draw.surface = self->number;
  draw.smooth = 0;  // a blit has no filter to see
  draw.x = destination.left;
  draw.y = destination.top;
  draw.w = destination.right - destination.left;
  draw.h = destination.bottom - destination.top;
  const PixelRows rows{
      source->pixels.data() + size_t(source->pitch) * size_t(area.top) + size_t(area.left) * 4,
      source->pitch, area.right - area.left, area.bottom - area.top};
  draw.picture = PictureFromX8R8G8B8(
      rows, keyed ? std::optional<ColourKeyRange>({source->sourceKey.low, source->sourceKey.high})
                  : std::nullopt);
  RecordTextureDraw(std::move(draw));
  return kOk;
}

COM_API HResult Blt(DdSurface* self, Rect* destination, DdSurface* source, Rect* sourceRect,
                    uint32_t flags, void* effects) {
  if ((flags & ~(kBltKeySrc | kBltWait)) != 0 || effects != nullptr) {
    Unimplemented("Blt", "flags " + Hex(flags) + (effects != nullptr ? ", effects" : ""));
  }
  if (destination == nullptr) Unimplemented("Blt", "onto the whole destination surface");
  return BlitPicture("Blt", self, *destination, source, sourceRect, (flags & kBltKeySrc) != 0);
}

COM_API HResult BltFast(DdSurface* self, uint32_t x, uint32_t y, DdSurface* source,
                        Rect* sourceRect, uint32_t flags) {
  if ((flags & ~(kBltFastSrcColourKey | kBltFastWait)) != 0) {
    Unimplemented("BltFast", "flags " + Hex(flags));
  }
  if (source == nullptr) Unimplemented("BltFast", "no source surface");
  const Rect area = sourceRect != nullptr
                        ? *sourceRect
                        : Rect{0, 0, int32_t(source->width), int32_t(source->height)};
  const Rect destination{int32_t(x), int32_t(y), int32_t(x) + (area.right - area.left),
                         int32_t(y) + (area.bottom - area.top)};
  return BlitPicture("BltFast", self, destination, source, sourceRect,
                     (flags & kBltFastSrcColourKey) != 0);
}

const void* const* SurfaceTable() {
  static const auto table = [] {
    VirtualTable<kDirectDrawSurface7> t;
    t.Bind("AddRef", &AddRef<DdSurface>)
        .Bind("Release", &SurfaceRelease)
        .Bind("Blt", &Blt)
        .Bind("BltFast", &BltFast)
        .Bind("GetSurfaceDesc", &GetSurfaceDesc)
        .Bind("IsLost", &IsLost)
        .Bind("Lock", &Lock)
        .Bind("Restore", &Restore)
        .Bind("SetColorKey", &SetColorKey)
        .Bind("Unlock", &Unlock);
    return t;
  }();
  return table.Slots();
}

const void* const* DirectDrawTable() {
  static const auto table = [] {
    VirtualTable<kDirectDraw7> t;
    t.Bind("AddRef", &AddRef<DirectDraw>)
        .Bind("Release", &DirectDrawRelease)
        .Bind("CreateSurface", &CreateSurface);
    return t;
  }();
  return table.Slots();
}

}  // namespace

DirectDraw* HostDirectDraw() {
  static DirectDraw* directDraw = [] {
    auto* d = new DirectDraw;
    d->vtable = DirectDrawTable();
    return d;
  }();
  return directDraw;
}

DdSurface* DestinationSurface(int number) {
  static const std::array<DdSurface*, kDestinationSurfaces> surfaces = [] {
    std::array<DdSurface*, kDestinationSurfaces> made{};
    for (int n = 0; n < kDestinationSurfaces; ++n) {
      made[n] = new DdSurface;
      made[n]->vtable = SurfaceTable();
      made[n]->number = n;
      made[n]->caps = kCapsVideoMemory;
      made[n]->format = DisplayFormat();
    }
    return made;
  }();
  return number >= 0 && number < kDestinationSurfaces ? surfaces[number] : nullptr;
}

int OffscreenSurfaceCount() { return int(Offscreen().size()); }

void LoseSurfaces() {
  for (DdSurface* surface : Offscreen()) {
    surface->lost = true;
    std::fill(surface->pixels.begin(), surface->pixels.end(), 0);
  }
}

}  // namespace sim::dll_host::graphics
