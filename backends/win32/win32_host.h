// host::HostBackend in the DLL: calls the host client's functions at their
// fixed addresses with the host's calling conventions (cdecl: the caller
// removes the arguments; member calls: thiscall, the object in ECX and the
// callee removes the stack arguments), and hands the patch table the
// addresses of the library's handlers and thunks.
//
// Stateless, like Win32Platform, so its one instance is constant-initialised.
#pragma once

#include "host/host_backend.h"

namespace win32 {

class Win32Host final : public host::HostBackend {
 public:
  constexpr Win32Host() = default;

  int32_t NextOpcode() override;
  uint8_t ReadU8() override;
  uint16_t ReadU16() override;
  uint32_t ReadU32() override;

  void PacketBegin(uint8_t opcode) override;
  void PacketAddU8(uint8_t value) override;
  void PacketAddU16(uint16_t value) override;
  void PacketAddU32(uint32_t value) override;
  void PacketAddString(const char* text) override;
  void PacketSend(int32_t always1) override;

  void DrawText(int32_t surface, int32_t x, int32_t y, int32_t font, int32_t r, int32_t g,
                int32_t b, const char* text, int32_t alignment) override;
  void DrawTextBox(int32_t surface, int32_t x, int32_t y, int32_t font, int32_t r, int32_t g,
                   int32_t b, const char* text, int32_t alignment, int32_t boxX, int32_t boxY,
                   int32_t boxWidth, int32_t boxHeight) override;
  int32_t TextWidth(int32_t font, const char* text, int32_t length, int32_t zero) override;
  void DrawSkin(int32_t surface, int32_t x, int32_t y, int32_t sheet, int32_t sourceX,
                int32_t sourceY, int32_t width, int32_t height) override;
  void FillRect(int32_t surface, int32_t x, int32_t y, int32_t width, int32_t height,
                int32_t element, int32_t zero1, int32_t zero2) override;
  void DrawObject(const host::ObjectDrawArgs& args) override;
  void DrawCreature(const host::CreatureDrawArgs& args) override;
  uint32_t Renderer() override;
  void RendererFill(uint32_t renderer, int32_t surface, int32_t x, int32_t y, int32_t width,
                    int32_t height, int32_t r, int32_t g, int32_t b) override;
  int32_t RendererFrame(uint32_t renderer, const host::FrameArgs& args) override;

  uint32_t Alloc(uint32_t size) override;
  const char* DataFilePath(int32_t number, int32_t flag) override;
  void Login(const char* account, const char* password) override;
  void SetConfigFile(const char* fileName) override;
  void StatusMessage(const char* text, int32_t zero) override;
  uint32_t CreatureById(uint32_t id) override;
  void AddChild(uint32_t parent, uint32_t child) override;
  void AddMenuEntry(uint32_t menu, int32_t command, const char* text, const char* hint) override;

  // The core function for handlers with a plain cdecl contract, the thunk of
  // thunks.cpp for the others.
  uint32_t HandlerAddress(uint16_t handler) override;
  // A static, zero-initialised buffer in the DLL's own data (its address
  // fits 32 bits, as the host needs). REQUIRES: size <= sizeof(LibraryData).
  void* LibraryDataStorage(uint32_t size) override;

  // Up to kMaxHostCallArguments arguments; more is a wiring error of the
  // caller, reported through DebugOutput, and the call is not made (0).
  uint32_t Call(uint32_t address, const uint32_t* args, int count) override;
  uint32_t CallMethod(uint32_t address, uint32_t object, const uint32_t* args, int count) override;
};

// Enough for the widest host call (HostDrawObject, 20 arguments).
inline constexpr int kMaxHostCallArguments = 20;

}  // namespace win32
