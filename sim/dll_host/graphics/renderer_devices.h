// The graphics interfaces of the host's renderer object, as the DLL's
// texture code finds them: the IDirectDraw7 interface at +0x74, the
// destination surfaces by number at +0x88 (4 bytes a surface, numbers 0 to
// 3), the IDirect3DDevice9 at +0x1F8. The renderer's virtual table is the
// host's own and is not written here.
#pragma once

#include <cstdint>

namespace sim::dll_host::graphics {

inline constexpr uint32_t kRendererDirectDrawField = 0x74;
inline constexpr uint32_t kRendererSurfacesField = 0x88;
inline constexpr uint32_t kRendererDeviceField = 0x1F8;

// Writes the objects' addresses into the renderer at `renderer` and puts
// every graphics state back as a fresh host has it: the device's stages and
// samplers, the OpenGL context, no pending setup, the fault switches off.
// Off-screen surfaces and textures the DLL still holds stay valid.
void InstallRendererDevices(uint32_t renderer);

// The host's own functions the DLL calls before a draw, which tell which
// surface the next draw lands on. Neither records anything.
// Host function 0x534650 (Direct3D 9 render states), its first argument:
void NoteRenderStateSetup(int32_t surface);
// The renderer's virtual slot 1 (prepare a surface for OpenGL), its argument:
void NoteSurfacePrepared(int32_t surface);

}  // namespace sim::dll_host::graphics
