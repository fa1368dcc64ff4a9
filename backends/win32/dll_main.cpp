// The DLL's entry point. The host process loads the library and the loader
// calls DllMain; everything the library does starts here (see library.h).
#include <windows.h>

#include "gui/texture/texture.h"
#include "library.h"
#include "win32_host.h"
#include "win32_platform.h"
#include "win32_textures.h"

namespace {

// Stateless and constant-initialised: valid before the C runtime has run
// any constructor. The runtime destroys them only after the last DllMain
// call (process detach), when no host thread calls into the library.
constinit win32::Win32Platform thePlatform;
constinit win32::Win32Host theHost;

}  // namespace

extern "C" BOOL WINAPI DllMain(HINSTANCE module, DWORD reason, LPVOID reserved) {
  // Installing is three pointer stores, so it is simply done for every
  // reason: whichever call comes first, the core finds its backends.
  platform::Install(&thePlatform);
  host::Install(&theHost);
  gui::SetTextureFactory(&win32::CreateTexture);
  return quorlan::DllMainBody(static_cast<uint32_t>(reinterpret_cast<uintptr_t>(module)), reason,
                              static_cast<uint32_t>(reinterpret_cast<uintptr_t>(reserved)));
}
