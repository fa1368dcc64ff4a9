// Switches that make the graphics objects answer as a troubled machine
// would, so that the DLL's paths for those answers can be run: everything
// succeeds while they are off. They apply from the next call on; the
// counters count down as the calls are answered.
#pragma once

#include <cstdint>

namespace sim::dll_host::graphics {

struct GraphicsFaults {
  // DirectDraw: a surface asked for in video memory does not fit there
  // (DDERR_OUTOFVIDEOMEMORY); every surface creation fails (DDERR_OUTOFMEMORY).
  bool videoMemoryFull = false;
  bool surfaceCreationFails = false;
  // The display's depth: a surface created without a pixel format has it.
  // 16 gives R5G6B5 surfaces, which the DLL leaves unfilled.
  uint32_t displayBitsPerPixel = 32;
  // Bytes added to every row of the memory Lock / LockRect hand out, so
  // that the copy must go row by row.
  int32_t extraPitchBytes = 0;
  // The next N blits answer DDERR_WASSTILLDRAWING (and draw nothing).
  int busyBlits = 0;
  // The next N restores of a lost surface leave it lost.
  int stubbornRestores = 0;

  // Direct3D 9: CreateTexture answers D3DERR_OUTOFVIDEOMEMORY; LockRect
  // answers D3DERR_INVALIDCALL.
  bool textureCreationFails = false;
  bool textureLockFails = false;

  // OpenGL: glGenTextures gives the name 0 (as without a current context).
  bool noTextureNames = false;
};

// The switches of this process's graphics objects. Main thread only, as
// every graphics call is.
GraphicsFaults& Faults();

}  // namespace sim::dll_host::graphics
