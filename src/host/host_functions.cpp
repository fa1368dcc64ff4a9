#include "host/host_functions.h"

#include <cstdlib>

namespace host {
namespace {
HostBackend* installed = nullptr;
}  // namespace

void Install(HostBackend* backend) { installed = backend; }

HostBackend& Backend() {
  // A missing backend is a wiring error of the DLL or the simulator.
  if (installed == nullptr) std::abort();
  return *installed;
}

}  // namespace host

using host::Backend;

int32_t HostNextOpcode() { return Backend().NextOpcode(); }
uint8_t HostReadU8() { return Backend().ReadU8(); }
uint16_t HostReadU16() { return Backend().ReadU16(); }
uint32_t HostReadU32() { return Backend().ReadU32(); }

void HostPacketBegin(uint8_t opcode) { Backend().PacketBegin(opcode); }
void HostPacketAddU8(uint8_t value) { Backend().PacketAddU8(value); }
void HostPacketAddU16(uint16_t value) { Backend().PacketAddU16(value); }
void HostPacketAddU32(uint32_t value) { Backend().PacketAddU32(value); }
void HostPacketAddString(const char* text) { Backend().PacketAddString(text); }
void HostPacketSend(int32_t always1) { Backend().PacketSend(always1); }

void HostDrawText(int32_t surface, int32_t x, int32_t y, int32_t font, int32_t r, int32_t g,
                  int32_t b, const char* text, int32_t alignment) {
  Backend().DrawText(surface, x, y, font, r, g, b, text, alignment);
}
void HostDrawTextBox(int32_t surface, int32_t x, int32_t y, int32_t font, int32_t r, int32_t g,
                     int32_t b, const char* text, int32_t alignment, int32_t boxX, int32_t boxY,
                     int32_t boxWidth, int32_t boxHeight) {
  Backend().DrawTextBox(surface, x, y, font, r, g, b, text, alignment, boxX, boxY, boxWidth,
                        boxHeight);
}
int32_t HostTextWidth(int32_t font, const char* text, int32_t length, int32_t zero) {
  return Backend().TextWidth(font, text, length, zero);
}
void HostDrawSkin(int32_t surface, int32_t x, int32_t y, int32_t sheet, int32_t sourceX,
                  int32_t sourceY, int32_t width, int32_t height) {
  Backend().DrawSkin(surface, x, y, sheet, sourceX, sourceY, width, height);
}
void HostFillRect(int32_t surface, int32_t x, int32_t y, int32_t width, int32_t height,
                  int32_t element, int32_t zero1, int32_t zero2) {
  Backend().FillRect(surface, x, y, width, height, element, zero1, zero2);
}
void HostDrawObject(const host::ObjectDrawArgs& args) { Backend().DrawObject(args); }
void HostDrawCreature(const host::CreatureDrawArgs& args) { Backend().DrawCreature(args); }
uint32_t HostRenderer() { return Backend().Renderer(); }
void HostRendererFill(uint32_t renderer, int32_t surface, int32_t x, int32_t y, int32_t width,
                      int32_t height, int32_t r, int32_t g, int32_t b) {
  Backend().RendererFill(renderer, surface, x, y, width, height, r, g, b);
}
int32_t HostRendererFrame(uint32_t renderer, const host::FrameArgs& args) {
  return Backend().RendererFrame(renderer, args);
}

uint32_t HostAlloc(uint32_t size) { return Backend().Alloc(size); }
const char* HostDataFilePath(int32_t number, int32_t flag) {
  return Backend().DataFilePath(number, flag);
}
void HostLogin(const char* account, const char* password) { Backend().Login(account, password); }
void HostSetConfigFile(const char* fileName) { Backend().SetConfigFile(fileName); }
void HostStatusMessage(const char* text, int32_t zero) { Backend().StatusMessage(text, zero); }
uint32_t HostCreatureById(uint32_t id) { return Backend().CreatureById(id); }
void HostAddChild(uint32_t parent, uint32_t child) { Backend().AddChild(parent, child); }
void HostAddMenuEntry(uint32_t menu, int32_t command, const char* text, const char* hint) {
  Backend().AddMenuEntry(menu, command, text, hint);
}
bool HostItemTypeFlag(int32_t itemId, int32_t flag) {
  // The patch table diverts this host function to the appearance store, so
  // the answer comes from the library's own data either way.
  return (HostCall(host::addr::kItemTypeFlag,
                   {static_cast<uint32_t>(itemId), static_cast<uint32_t>(flag)}) &
          0xFF) != 0;
}

uint32_t HostButtonConstruct(uint32_t button, int32_t x, int32_t y, int32_t image,
                             int32_t pressedImage, uint32_t parent, int32_t command,
                             const char* tooltip) {
  return HostCallMethod(host::addr::kButtonConstruct, button,
                        {static_cast<uint32_t>(x), static_cast<uint32_t>(y),
                         static_cast<uint32_t>(image), static_cast<uint32_t>(pressedImage), parent,
                         static_cast<uint32_t>(command), host::AddressOf(tooltip), 0});
}
uint32_t HostOwnButtonConstruct(uint32_t button, int32_t x, int32_t y, int32_t image,
                                int32_t pressedImage, uint32_t parent, int32_t command,
                                const char* tooltip, int32_t last) {
  return HostCallMethod(host::addr::kOwnButtonConstruct, button,
                        {static_cast<uint32_t>(x), static_cast<uint32_t>(y),
                         static_cast<uint32_t>(image), static_cast<uint32_t>(pressedImage), parent,
                         static_cast<uint32_t>(command), host::AddressOf(tooltip),
                         static_cast<uint32_t>(last)});
}
uint32_t HostCheckBoxConstruct(uint32_t box, const char* text) {
  return HostCallMethod(host::addr::kCheckBoxConstruct, box, {host::AddressOf(text)});
}
void HostCheckBoxSetChecked(uint32_t box, bool checked) {
  HostCallMethod(host::addr::kCheckBoxSetChecked, box, {checked ? 1u : 0u});
}
bool HostCheckBoxChecked(uint32_t box) {
  return (HostCallMethod(host::addr::kCheckBoxChecked, box, {}) & 0xFF) != 0;
}
void HostCheckBoxPlace(uint32_t box, int32_t x, int32_t y, int32_t width, int32_t height) {
  HostCallMethod(host::addr::kCheckBoxPlace, box,
                 {0, static_cast<uint32_t>(x), static_cast<uint32_t>(y),
                  static_cast<uint32_t>(width), static_cast<uint32_t>(height)});
}
void HostOpcode10Notice() { HostCall(host::addr::kOpcode10Notice, {}); }
namespace {

// A NUL-terminated text the host keeps at `address`. The bound is ours: a
// text without its NUL in reach is cut there.
std::string HostVariableText(uint32_t address, uint32_t maxLength) {
  std::string text;
  for (uint32_t i = 0; i < maxLength; ++i) {
    const char c = host::Read<char>(address + i);
    if (c == '\0') break;
    text += c;
  }
  return text;
}

// The host's folder buffers hold a Windows path (MAX_PATH).
constexpr uint32_t kMaxFolderLength = 260;

}  // namespace

std::string HostUserAgent() { return HostVariableText(host::addr::kUserAgent, 256); }
std::string HostUserFolder() { return HostVariableText(host::addr::kUserFolder, kMaxFolderLength); }
std::string HostDataFolder() { return HostVariableText(host::addr::kDataFolder, kMaxFolderLength); }

void HostGuiCommand(int32_t command, int32_t zero1, int32_t zero2) {
  HostCall(host::addr::kGuiCommand, {static_cast<uint32_t>(command), static_cast<uint32_t>(zero1),
                                     static_cast<uint32_t>(zero2)});
}
void HostLeaveGame() {
  const uint32_t routine = host::At<uint32_t>(host::addr::kLeaveGameRoutine);
  if (routine != 0) HostCall(routine, {});
}

uint32_t HostCall(uint32_t address, std::initializer_list<uint32_t> args) {
  return Backend().Call(address, args.begin(), static_cast<int>(args.size()));
}
uint32_t HostCallMethod(uint32_t address, uint32_t object, std::initializer_list<uint32_t> args) {
  return Backend().CallMethod(address, object, args.begin(), static_cast<int>(args.size()));
}
