#include "win32_host.h"

#include <cstdlib>
#include <string>

#include "host/handler_registry.h"
#include "host/library_data.h"
#include "host_call.h"
#include "platform/platform.h"
#include "thunks.h"

namespace win32 {
namespace {

// Host function addresses (image base 0x400000, never relocated).
namespace addr {
constexpr uint32_t kNextOpcode = 0x4F98A0;
constexpr uint32_t kReadU8 = 0x4F9A60;
constexpr uint32_t kReadU16 = 0x4F9C00;
constexpr uint32_t kReadU32 = 0x4F9DA0;
constexpr uint32_t kPacketBegin = 0x4F8290;
constexpr uint32_t kPacketAddU8 = 0x4F8560;
constexpr uint32_t kPacketAddU16 = 0x4F8700;
constexpr uint32_t kPacketAddU32 = 0x4F88A0;
constexpr uint32_t kPacketAddString = 0x4F8A40;
constexpr uint32_t kPacketSend = 0x4F8E40;
constexpr uint32_t kDrawText = 0x4B4DD0;
constexpr uint32_t kDrawTextBox = 0x4B4BE0;
constexpr uint32_t kTextWidth = 0x4B2BF0;
constexpr uint32_t kDrawSkin = 0x4B1B10;
constexpr uint32_t kFillRect = 0x4B96E0;
constexpr uint32_t kDrawObject = 0x4B5990;
constexpr uint32_t kDrawCreature = 0x4B1310;
constexpr uint32_t kRenderer = 0x522A90;
constexpr uint32_t kAlloc = 0x5719E2;
constexpr uint32_t kDataFilePath = 0x508870;
constexpr uint32_t kLogin = 0x51FF30;
constexpr uint32_t kSetConfigFile = 0x5084B0;
constexpr uint32_t kStatusMessage = 0x544A90;
constexpr uint32_t kCreatureById = 0x45E720;
constexpr uint32_t kAddChild = 0x4C0C60;      // member call on the parent
constexpr uint32_t kAddMenuEntry = 0x452320;  // member call on the menu
}  // namespace addr

// Renderer virtual operations.
constexpr int kRendererFillSlot = 5;
constexpr int kRendererFrameSlot = 16;

constexpr auto kCdeclCalls =
    detail::MakeTable<false>(std::make_index_sequence<kMaxHostCallArguments + 1>{});
constexpr auto kThiscallCalls =
    detail::MakeTable<true>(std::make_index_sequence<kMaxHostCallArguments + 1>{});

uint32_t Word(int32_t value) { return static_cast<uint32_t>(value); }

bool ArgumentCountFits(uint32_t address, int count) {
  if (count >= 0 && count <= kMaxHostCallArguments) return true;
  platform::Get().DebugOutput("quorlan: host call to " + std::to_string(address) + " with " +
                              std::to_string(count) + " arguments not made");
  return false;
}

}  // namespace

// ---- incoming server message ------------------------------------------------
// The narrow results come back in AL / AX; the return types make the
// compiler read only those bits.
int32_t Win32Host::NextOpcode() { return CallCdecl<int32_t>(addr::kNextOpcode); }
uint8_t Win32Host::ReadU8() { return CallCdecl<uint8_t>(addr::kReadU8); }
uint16_t Win32Host::ReadU16() { return CallCdecl<uint16_t>(addr::kReadU16); }
uint32_t Win32Host::ReadU32() { return CallCdecl<uint32_t>(addr::kReadU32); }

// ---- outgoing client packet ---------------------------------------------------
void Win32Host::PacketBegin(uint8_t opcode) {
  CallCdecl<void>(addr::kPacketBegin, uint32_t{opcode});
}
void Win32Host::PacketAddU8(uint8_t value) { CallCdecl<void>(addr::kPacketAddU8, uint32_t{value}); }
void Win32Host::PacketAddU16(uint16_t value) {
  CallCdecl<void>(addr::kPacketAddU16, uint32_t{value});
}
void Win32Host::PacketAddU32(uint32_t value) { CallCdecl<void>(addr::kPacketAddU32, value); }
void Win32Host::PacketAddString(const char* text) { CallCdecl<void>(addr::kPacketAddString, text); }
void Win32Host::PacketSend(int32_t always1) { CallCdecl<void>(addr::kPacketSend, always1); }

// ---- drawing --------------------------------------------------------------------
void Win32Host::DrawText(int32_t surface, int32_t x, int32_t y, int32_t font, int32_t r, int32_t g,
                         int32_t b, const char* text, int32_t alignment) {
  CallCdecl<void>(addr::kDrawText, surface, x, y, font, r, g, b, text, alignment);
}

void Win32Host::DrawTextBox(int32_t surface, int32_t x, int32_t y, int32_t font, int32_t r,
                            int32_t g, int32_t b, const char* text, int32_t alignment, int32_t boxX,
                            int32_t boxY, int32_t boxWidth, int32_t boxHeight) {
  CallCdecl<void>(addr::kDrawTextBox, surface, x, y, font, r, g, b, text, alignment, boxX, boxY,
                  boxWidth, boxHeight);
}

int32_t Win32Host::TextWidth(int32_t font, const char* text, int32_t length, int32_t zero) {
  return CallCdecl<int32_t>(addr::kTextWidth, font, text, length, zero);
}

void Win32Host::DrawSkin(int32_t surface, int32_t x, int32_t y, int32_t sheet, int32_t sourceX,
                         int32_t sourceY, int32_t width, int32_t height) {
  CallCdecl<void>(addr::kDrawSkin, surface, x, y, sheet, sourceX, sourceY, width, height);
}

void Win32Host::FillRect(int32_t surface, int32_t x, int32_t y, int32_t width, int32_t height,
                         int32_t element, int32_t zero1, int32_t zero2) {
  CallCdecl<void>(addr::kFillRect, surface, x, y, width, height, element, zero1, zero2);
}

void Win32Host::DrawObject(const host::ObjectDrawArgs& a) {
  uint32_t args[20] = {Word(a.surface), Word(a.x),        Word(a.y),
                       Word(a.size),    Word(a.objectId), Word(a.data)};
  for (int i = 0; i < 14; ++i) args[6 + i] = Word(a.display[i]);
  Call(addr::kDrawObject, args, 20);
}

// Eighteen words: surface, x, y, width, height, three outfit values, r, g,
// b and seven display values, as the outfit pictures fill them. The host's
// function is known to read sixteen; under cdecl the caller removes the
// arguments, so the two trailing words it may not read do no harm.
void Win32Host::DrawCreature(const host::CreatureDrawArgs& a) {
  constexpr int kDisplay = 7;
  static_assert(sizeof(a.display) == kDisplay * sizeof(int32_t));
  uint32_t args[11 + kDisplay] = {Word(a.surface),   Word(a.x),         Word(a.y),
                                  Word(a.width),     Word(a.height),    Word(a.outfit[0]),
                                  Word(a.outfit[1]), Word(a.outfit[2]), Word(a.r),
                                  Word(a.g),         Word(a.b)};
  for (int i = 0; i < kDisplay; ++i) args[11 + i] = Word(a.display[i]);
  Call(addr::kDrawCreature, args, 11 + kDisplay);
}

uint32_t Win32Host::Renderer() { return CallCdecl<uint32_t>(addr::kRenderer); }

void Win32Host::RendererFill(uint32_t renderer, int32_t surface, int32_t x, int32_t y,
                             int32_t width, int32_t height, int32_t r, int32_t g, int32_t b) {
  CallThiscall<void>(VirtualSlot(renderer, kRendererFillSlot), renderer, surface, x, y, width,
                     height, r, g, b);
}

int32_t Win32Host::RendererFrame(uint32_t renderer, const host::FrameArgs& args) {
  uint32_t words[10];
  for (int i = 0; i < 10; ++i) words[i] = Word(args.values[i]);
  return static_cast<int32_t>(
      CallMethod(VirtualSlot(renderer, kRendererFrameSlot), renderer, words, 10));
}

// ---- objects, menus, creatures, login ---------------------------------------
uint32_t Win32Host::Alloc(uint32_t size) { return CallCdecl<uint32_t>(addr::kAlloc, size); }

const char* Win32Host::DataFilePath(int32_t number, int32_t flag) {
  return CallCdecl<const char*>(addr::kDataFilePath, number, flag);
}

void Win32Host::SetConfigFile(const char* fileName) {
  CallCdecl<void>(addr::kSetConfigFile, fileName);
}
void Win32Host::StatusMessage(const char* text, int32_t zero) {
  CallCdecl<void>(addr::kStatusMessage, text, Word(zero));
}
void Win32Host::Login(const char* account, const char* password) {
  CallCdecl<void>(addr::kLogin, account, password);
}

uint32_t Win32Host::CreatureById(uint32_t id) {
  return CallCdecl<uint32_t>(addr::kCreatureById, id);
}

void Win32Host::AddChild(uint32_t parent, uint32_t child) {
  CallThiscall<void>(addr::kAddChild, parent, child);
}

void Win32Host::AddMenuEntry(uint32_t menu, int32_t command, const char* text, const char* hint) {
  CallThiscall<void>(addr::kAddMenuEntry, menu, command, text, hint);
}

// ---- handlers and library data ----------------------------------------------
uint32_t Win32Host::HandlerAddress(uint16_t handler) {
  const auto id = static_cast<host::Handler>(handler);
  if (const uint32_t thunk = ThunkAddress(id); thunk != 0) return thunk;
  return static_cast<uint32_t>(reinterpret_cast<uintptr_t>(host::Info(id).function));
}

void* Win32Host::LibraryDataStorage(uint32_t size) {
  alignas(16) static uint8_t storage[sizeof(host::LibraryData)];
  if (size > sizeof(storage)) {
    // Only a build that mixes headers could get here; writing past the
    // buffer would corrupt the DLL's data silently.
    platform::Get().DebugOutput("quorlan: library data larger than its storage");
    std::abort();
  }
  return storage;
}

// ---- any other host function ------------------------------------------------
uint32_t Win32Host::Call(uint32_t address, const uint32_t* args, int count) {
  if (!ArgumentCountFits(address, count)) return 0;
  return kCdeclCalls[count](address, 0, args);
}

uint32_t Win32Host::CallMethod(uint32_t address, uint32_t object, const uint32_t* args, int count) {
  if (!ArgumentCountFits(address, count)) return 0;
  return kThiscallCalls[count](address, object, args);
}

}  // namespace win32
