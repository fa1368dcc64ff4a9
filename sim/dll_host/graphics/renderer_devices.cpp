#include "sim/dll_host/graphics/renderer_devices.h"

#include "host/host_memory.h"
#include "sim/dll_host/graphics/direct3d9.h"
#include "sim/dll_host/graphics/direct_draw.h"
#include "sim/dll_host/graphics/graphics_faults.h"
#include "sim/dll_host/graphics/opengl_context.h"

namespace sim::dll_host::graphics {

GraphicsFaults& Faults() {
  static GraphicsFaults faults;
  return faults;
}

void InstallRendererDevices(uint32_t renderer) {
  host::Write<uint32_t>(renderer + kRendererDirectDrawField, host::AddressOf(HostDirectDraw()));
  for (int n = 0; n < kDestinationSurfaces; ++n) {
    host::Write<uint32_t>(renderer + kRendererSurfacesField + 4 * uint32_t(n),
                          host::AddressOf(DestinationSurface(n)));
  }
  host::Write<uint32_t>(renderer + kRendererDeviceField, host::AddressOf(HostDevice()));
  ResetDevice();
  ResetGl();
  Faults() = GraphicsFaults();
}

}  // namespace sim::dll_host::graphics
