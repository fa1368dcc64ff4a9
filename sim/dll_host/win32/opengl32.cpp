// OPENGL32: the fourteen calls the DLL's OpenGL texture makes, answered by
// the host's context (sim/dll_host/graphics/opengl_context.h), which records
// the textured quad as a texture draw and nothing else.
#include "sim/dll_host/graphics/opengl_context.h"
#include "sim/dll_host/win32/import_table.h"

#define GL_API __attribute__((stdcall, force_align_arg_pointer))

namespace sim::dll_host::win32 {
namespace {

using graphics::HostGl;

GL_API void glBegin(uint32_t mode) { HostGl().Begin(mode); }
GL_API void glBindTexture(uint32_t target, uint32_t name) { HostGl().BindTexture(target, name); }
GL_API void glBlendFunc(uint32_t source, uint32_t destination) {
  HostGl().BlendFunc(source, destination);
}
GL_API void glDeleteTextures(int32_t count, const uint32_t* names) {
  HostGl().DeleteTextures(count, names);
}
GL_API void glDisable(uint32_t capability) { HostGl().Disable(capability); }
GL_API void glEnable(uint32_t capability) { HostGl().Enable(capability); }
GL_API void glEnd() { HostGl().End(); }
GL_API void glGenTextures(int32_t count, uint32_t* names) { HostGl().GenTextures(count, names); }
GL_API void glGetIntegerv(uint32_t parameter, int32_t* values) {
  HostGl().GetIntegerv(parameter, values);
}
GL_API uint8_t glIsEnabled(uint32_t capability) { return HostGl().IsEnabled(capability); }
GL_API void glTexCoord2f(float u, float v) { HostGl().TexCoord2f(u, v); }
GL_API void glTexImage2D(uint32_t target, int32_t level, int32_t internalFormat, int32_t width,
                         int32_t height, int32_t border, uint32_t format, uint32_t type,
                         const void* pixels) {
  HostGl().TexImage2D(target, level, internalFormat, width, height, border, format, type, pixels);
}
GL_API void glTexParameteri(uint32_t target, uint32_t parameter, int32_t value) {
  HostGl().TexParameteri(target, parameter, value);
}
GL_API void glVertex2i(int32_t x, int32_t y) { HostGl().Vertex2i(x, y); }

#define GL_SYMBOL(name) \
  { #name, reinterpret_cast < const void*>(&name) }
const ImportSymbol kOpenGl32[] = {
    GL_SYMBOL(glBegin),         GL_SYMBOL(glBindTexture),
    GL_SYMBOL(glBlendFunc),     GL_SYMBOL(glDeleteTextures),
    GL_SYMBOL(glDisable),       GL_SYMBOL(glEnable),
    GL_SYMBOL(glEnd),           GL_SYMBOL(glGenTextures),
    GL_SYMBOL(glGetIntegerv),   GL_SYMBOL(glIsEnabled),
    GL_SYMBOL(glTexCoord2f),    GL_SYMBOL(glTexImage2D),
    GL_SYMBOL(glTexParameteri), GL_SYMBOL(glVertex2i),
};
#undef GL_SYMBOL

}  // namespace
}  // namespace sim::dll_host::win32

namespace sim::dll_host {
std::span<const ImportSymbol> OpenGl32Symbols() { return win32::kOpenGl32; }
}  // namespace sim::dll_host
