// What the three texture variants compute, apart from the graphics calls
// themselves: each interface's binary-alpha pixel conversion, its filter for
// `smooth`, the Direct3D 9 vertex strip, the OpenGL quad, the row copy into
// locked memory and the DirectDraw wait loops. The DLL's variants call these;
// the simulator's variant converts with them too.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <functional>

namespace gui::texture {

// ---- host facts ------------------------------------------------------------------
// The renderer object (HostRenderer): the DirectDraw 7 interface, the
// destination surfaces (one pointer per surface number), the Direct3D 9
// device; and its virtual operation that prepares a surface for OpenGL
// drawing (second slot, argument: the surface number).
inline constexpr uint32_t kRendererDirectDrawOffset = 0x74;
inline constexpr uint32_t kRendererSurfacesOffset = 0x88;
inline constexpr uint32_t kRendererDeviceOffset = 0x1F8;
inline constexpr int kRendererPrepareSurfaceSlot = 1;
// The host function that sets the Direct3D 9 render states for a textured
// screen-space draw, and its arguments after the surface number.
inline constexpr uint32_t kRenderStateSetup = 0x534650;
inline constexpr std::array<int32_t, 9> kRenderStateArguments = {-1, -1, 1, 1, 2, 0, 0, 1, 1};

// ---- pixels (4 bytes each, blue, green, red, alpha on entry) ------------------------
// OpenGL: an opaque pixel becomes red, green, blue, alpha; any other all zero.
void ToOpenGlPixels(uint8_t* pixels, size_t count);
// Direct3D 9 (A8R8G8B8 is blue, green, red, alpha in memory): a pixel that is
// not opaque becomes all zero.
void ClearNonOpaquePixels(uint8_t* pixels, size_t count);
// DirectDraw: a pixel that is not opaque becomes the colour key, magenta
// (blue 255, green 0, red 255, alpha 255); an opaque pixel that is exactly
// magenta becomes (254, 0, 254) so that the key does not hide it.
inline constexpr uint32_t kColourKey = 0xFF00FF;  // as a 32-bit X8R8G8B8 value
void ToColourKeyPixels(uint8_t* pixels, size_t count);

// ---- filters ----------------------------------------------------------------------------
inline constexpr uint32_t kGlNearest = 0x2600;
inline constexpr uint32_t kGlLinear = 0x2601;
inline constexpr uint32_t kD3dPoint = 1;   // D3DTEXF_POINT
inline constexpr uint32_t kD3dLinear = 2;  // D3DTEXF_LINEAR
// Linear for smooth 1, nearest / point for 0. Any other non-zero value is
// taken as 1: GL_NEAREST + 2 would be a mipmap filter, which leaves a texture
// without mipmaps undrawable.
uint32_t GlFilter(uint8_t smooth);
uint32_t D3dFilter(uint8_t smooth);

// ---- geometry -----------------------------------------------------------------------------
// A pre-transformed Direct3D 9 vertex: screen position, z, reciprocal w,
// diffuse colour, texture coordinates (D3DFVF_XYZRHW | DIFFUSE | TEX1).
struct ScreenVertex {
  float x, y, z, rhw;
  uint32_t colour;
  float u, v;
};
static_assert(sizeof(ScreenVertex) == 28);
inline constexpr uint32_t kOpaqueWhite = 0xFFFFFFFF;

// The rectangle as a two-triangle strip: top left, top right, bottom left,
// bottom right.
std::array<ScreenVertex, 4> VertexStrip(int32_t x, int32_t y, int32_t w, int32_t h);

// One corner of the OpenGL quad: texture coordinates and screen position.
struct QuadCorner {
  float u, v;
  int32_t x, y;
};
// Top left, bottom left, bottom right, top right.
std::array<QuadCorner, 4> GlQuad(int32_t x, int32_t y, int32_t w, int32_t h);

// ---- upload ---------------------------------------------------------------------------------
// Copies width x height pixels (rows 4 x width bytes apart) into locked
// memory whose rows are `pitch` bytes apart: one block when the pitches
// match, else row by row. False (nothing copied) when a locked row is too
// short for an image row.
bool CopyRows(uint8_t* destination, int64_t pitch, const uint8_t* source, int32_t width,
              int32_t height);

// ---- DirectDraw waits -------------------------------------------------------------------------
inline constexpr uint32_t kRetryPauseMs = 10;
// How often a lost surface is restored, or a busy blit tried, before the
// frame gives up: an endless wait on the host's main thread would freeze the
// client (a surface stays lost while the client is in the background).
inline constexpr int kMaxRetries = 10;

using Sleeper = std::function<void(uint32_t milliseconds)>;

// For a surface that reports that it was lost: restores it, pausing
// kRetryPauseMs and restoring again while it still reports lost. True when
// it is no longer lost, false when it still was after `maxAttempts` restores.
bool RestoreWhileLost(const std::function<bool()>& isLost, const std::function<void()>& restore,
                      const Sleeper& sleep, int maxAttempts = kMaxRetries);

// Makes `attempt` until it answers something other than `busy`, pausing
// kRetryPauseMs between attempts, at most `maxAttempts` times; returns the
// last answer.
int32_t RetryWhileBusy(const std::function<int32_t()>& attempt, int32_t busy,
                       const Sleeper& sleep, int maxAttempts = kMaxRetries);

}  // namespace gui::texture
