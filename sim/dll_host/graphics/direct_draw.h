// The DirectDraw 7 renderer's objects: the IDirectDraw7 interface the host's
// renderer holds, its destination surfaces (one per surface number) and the
// off-screen surfaces the DLL creates for its pictures. A blit of an
// off-screen surface onto a destination surface is a texture draw.
//
// Off-screen surfaces keep their pixels in this process's memory, which the
// DLL writes between Lock and Unlock. Every object lives until its last
// Release; the host's own (the interface, the destination surfaces) for the
// whole process.
#pragma once

#include <cstdint>
#include <vector>

#include "sim/dll_host/graphics/com_table.h"

namespace sim::dll_host::graphics {

struct Rect {
  int32_t left, top, right, bottom;
};

struct ColourKey {
  uint32_t low, high;
};

struct DdPixelFormat {
  uint32_t size, flags, fourCC, rgbBitCount, redMask, greenMask, blueMask, alphaMask;
};
static_assert(sizeof(DdPixelFormat) == 32);

struct DdSurfaceDesc2 {
  uint32_t size, flags, height, width;
  int32_t pitch;
  uint32_t backBufferCount, mipMapCount, alphaBitDepth, reserved;
  uint32_t surface;  // the pixels' address
  ColourKey destOverlayKey, destBltKey, srcOverlayKey, srcBltKey;
  DdPixelFormat pixelFormat;
  uint32_t caps[4];
  uint32_t textureStage;
};
static_assert(sizeof(DdSurfaceDesc2) == 124);

// DDSURFACEDESC2 flags and capabilities.
inline constexpr uint32_t kDdsdCaps = 0x1, kDdsdHeight = 0x2, kDdsdWidth = 0x4, kDdsdPitch = 0x8,
                          kDdsdLpSurface = 0x800, kDdsdPixelFormat = 0x1000,
                          kDdsdCkSrcBlt = 0x10000;
inline constexpr uint32_t kCapsOffscreenPlain = 0x40, kCapsSystemMemory = 0x800,
                          kCapsVideoMemory = 0x4000, kCapsPrimarySurface = 0x200;
inline constexpr uint32_t kDdpfRgb = 0x40;
// Blt and BltFast flags, SetColorKey's key kinds, Lock's wait.
inline constexpr uint32_t kBltKeySrc = 0x8000, kBltWait = 0x1000000;
inline constexpr uint32_t kBltFastSrcColourKey = 0x1, kBltFastWait = 0x10;
inline constexpr uint32_t kKeyColourSpace = 0x1, kKeySrcBlt = 0x8;
inline constexpr uint32_t kLockWait = 0x1;

inline constexpr HResult kDdErrOutOfVideoMemory = 0x8876017C;
inline constexpr HResult kDdErrSurfaceBusy = 0x887601AE;
inline constexpr HResult kDdErrSurfaceLost = 0x887601C2;
inline constexpr HResult kDdErrWasStillDrawing = 0x8876021C;
inline constexpr HResult kDdErrNotLocked = 0x88760248;
inline constexpr HResult kDdErrInvalidRect = 0x88760096;
inline constexpr HResult kDdErrNoColourKey = 0x887600D7;
inline constexpr HResult kDdErrWrongMode = 0x8876024B;
inline constexpr HResult kClassNoAggregation = 0x80040110;
inline constexpr HResult kDdErrInvalidParams = 0x80070057;
inline constexpr HResult kDdErrOutOfMemory = 0x8007000E;

struct DdSurface : ComObject {
  int32_t number = -1;  // a destination surface's number; -1 off-screen
  uint32_t width = 0, height = 0;
  uint32_t caps = 0;
  DdPixelFormat format{};
  int32_t pitch = 0;
  std::vector<uint8_t> pixels;
  bool lost = false;
  bool locked = false;
  bool hasSourceKey = false;
  ColourKey sourceKey{};
};

struct DirectDraw : ComObject {};

// The renderer's destination surfaces: numbers 0 to 3 (the DLL draws on 1
// and 2).
inline constexpr int kDestinationSurfaces = 4;

// The host's objects (created on first use) and the number of surfaces the
// DLL holds now.
DirectDraw* HostDirectDraw();
DdSurface* DestinationSurface(int number);
int OffscreenSurfaceCount();

// Every off-screen surface reports lost, its pixels gone, until restored
// (the display mode changed, the client went to the background).
void LoseSurfaces();

}  // namespace sim::dll_host::graphics
