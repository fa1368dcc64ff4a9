// The host client's functions, as one abstract interface.
//
// The DLL's backend calls the fixed host addresses with the host's calling
// conventions; the simulator implements the same contracts. The core never
// calls this class directly: it uses the free functions of host_functions.h,
// which carry the names of the host interface.
//
// Pointers that cross this interface are host addresses (uint32_t): objects
// the host owns (renderer, creatures, menus, buttons) and texts the host
// reads must live in host-addressable memory.
#pragma once

#include <cstdint>

namespace host {

// The 20 arguments of the host's object drawing call.
struct ObjectDrawArgs {
  int32_t surface = 1, x = 0, y = 0, size = 32, objectId = 0, data = 0;
  int32_t display[14] = {};
};

// The 18 arguments of the host's creature drawing call. An outfit picture
// fills all of them: outfit {sprite, colour-mask sprite, head colour}, the
// body, legs and feet colours in r, g, b (each 0x00RRGGBB), display
// {0, 0, 0, 0, 0, 65535, 65535}. Callers that know fewer leave the rest 0.
struct CreatureDrawArgs {
  int32_t surface = 1, x = 0, y = 0, width = 0, height = 0;
  int32_t outfit[3] = {};
  int32_t r = 0, g = 0, b = 0;
  int32_t display[7] = {};
};

// The host's own exceptions and the faults on which the real client itself
// would stop, as a backend raises them (the simulated host's load error and
// its contract faults). They belong to the host, so the library's entry
// guards (entry_guard.h) let them pass. In the DLL the host's exceptions are
// not C++ exceptions at all: they pass every library frame unseen.
struct HostRaised {
  virtual ~HostRaised() = default;
};

// The ten arguments of the renderer's frame operation (virtual slot 16).
struct FrameArgs {
  int32_t values[10] = {};
};

class HostBackend {
 public:
  virtual ~HostBackend() = default;

  // Incoming server message.
  virtual int32_t NextOpcode() = 0;
  virtual uint8_t ReadU8() = 0;
  virtual uint16_t ReadU16() = 0;
  virtual uint32_t ReadU32() = 0;

  // Outgoing client packet.
  virtual void PacketBegin(uint8_t opcode) = 0;
  virtual void PacketAddU8(uint8_t value) = 0;
  virtual void PacketAddU16(uint16_t value) = 0;
  virtual void PacketAddU32(uint32_t value) = 0;
  virtual void PacketAddString(const char* text) = 0;
  virtual void PacketSend(int32_t always1) = 0;

  // Drawing.
  virtual void DrawText(int32_t surface, int32_t x, int32_t y, int32_t font, int32_t r, int32_t g,
                        int32_t b, const char* text, int32_t alignment) = 0;
  virtual void DrawTextBox(int32_t surface, int32_t x, int32_t y, int32_t font, int32_t r,
                           int32_t g, int32_t b, const char* text, int32_t alignment, int32_t boxX,
                           int32_t boxY, int32_t boxWidth, int32_t boxHeight) = 0;
  virtual int32_t TextWidth(int32_t font, const char* text, int32_t length, int32_t zero) = 0;
  virtual void DrawSkin(int32_t surface, int32_t x, int32_t y, int32_t sheet, int32_t sourceX,
                        int32_t sourceY, int32_t width, int32_t height) = 0;
  virtual void FillRect(int32_t surface, int32_t x, int32_t y, int32_t width, int32_t height,
                        int32_t element, int32_t zero1, int32_t zero2) = 0;
  virtual void DrawObject(const ObjectDrawArgs& args) = 0;
  virtual void DrawCreature(const CreatureDrawArgs& args) = 0;
  virtual uint32_t Renderer() = 0;
  // Renderer virtual slot 5: fill a rectangle with a colour.
  virtual void RendererFill(uint32_t renderer, int32_t surface, int32_t x, int32_t y,
                            int32_t width, int32_t height, int32_t r, int32_t g, int32_t b) = 0;
  // Renderer virtual slot 16: the frame call that OnFrameDraw wraps.
  virtual int32_t RendererFrame(uint32_t renderer, const FrameArgs& args) = 0;

  // Objects, menus, creatures, login.
  virtual uint32_t Alloc(uint32_t size) = 0;
  virtual const char* DataFilePath(int32_t number, int32_t flag) = 0;
  virtual void Login(const char* account, const char* password) = 0;
  // The host reads its configuration file of that name again (0x5084B0).
  virtual void SetConfigFile(const char* fileName) = 0;
  // A status text at the bottom of the game view (0x544A90, text and 0).
  virtual void StatusMessage(const char* text, int32_t zero) = 0;
  virtual uint32_t CreatureById(uint32_t id) = 0;
  virtual void AddChild(uint32_t parent, uint32_t child) = 0;
  virtual void AddMenuEntry(uint32_t menu, int32_t command, const char* text,
                            const char* hint) = 0;

  // The 32-bit value written into host code for a handler: in the DLL the
  // address of the function or its thunk, in the simulator a token.
  virtual uint32_t HandlerAddress(uint16_t handler) = 0;

  // Zero-initialised storage for library data that host code addresses with
  // 32-bit pointers (library_data.h). Called once; the storage lives forever.
  virtual void* LibraryDataStorage(uint32_t size) = 0;

  // Calls of other host functions by address: cdecl with 32-bit arguments,
  // or a member call on `object`. The simulator answers the addresses it
  // models and follows the jumps the patch table wrote, as the CPU would.
  virtual uint32_t Call(uint32_t address, const uint32_t* args, int count) = 0;
  virtual uint32_t CallMethod(uint32_t address, uint32_t object, const uint32_t* args,
                              int count) = 0;
};

// REQUIRES: Install is called by the backend before the entry point runs.
void Install(HostBackend* backend);
HostBackend& Backend();

}  // namespace host
