// The host client interface under its own names: functions, variables and
// the fixed addresses the core calls. Everything forwards to the installed
// HostBackend (host_backend.h).
#pragma once

#include <cstdint>
#include <string>
#include <initializer_list>

#include "host/host_backend.h"
#include "host/host_memory.h"

// ---------------------------------------------------------------------------
// Incoming server message
int32_t HostNextOpcode();
uint8_t HostReadU8();
uint16_t HostReadU16();
uint32_t HostReadU32();

// ---------------------------------------------------------------------------
// Outgoing client packet
void HostPacketBegin(uint8_t opcode);
void HostPacketAddU8(uint8_t value);
void HostPacketAddU16(uint16_t value);
void HostPacketAddU32(uint32_t value);
void HostPacketAddString(const char* text);
void HostPacketSend(int32_t always1 = 1);

// ---------------------------------------------------------------------------
// Drawing
void HostDrawText(int32_t surface, int32_t x, int32_t y, int32_t font, int32_t r, int32_t g,
                  int32_t b, const char* text, int32_t alignment);
void HostDrawTextBox(int32_t surface, int32_t x, int32_t y, int32_t font, int32_t r, int32_t g,
                     int32_t b, const char* text, int32_t alignment, int32_t boxX, int32_t boxY,
                     int32_t boxWidth, int32_t boxHeight);
int32_t HostTextWidth(int32_t font, const char* text, int32_t length, int32_t zero = 0);
void HostDrawSkin(int32_t surface, int32_t x, int32_t y, int32_t sheet, int32_t sourceX,
                  int32_t sourceY, int32_t width, int32_t height);
void HostFillRect(int32_t surface, int32_t x, int32_t y, int32_t width, int32_t height,
                  int32_t element, int32_t zero1 = 0, int32_t zero2 = 0);
void HostDrawObject(const host::ObjectDrawArgs& args);
void HostDrawCreature(const host::CreatureDrawArgs& args);
uint32_t HostRenderer();
void HostRendererFill(uint32_t renderer, int32_t surface, int32_t x, int32_t y, int32_t width,
                      int32_t height, int32_t r, int32_t g, int32_t b);
int32_t HostRendererFrame(uint32_t renderer, const host::FrameArgs& args);

// ---------------------------------------------------------------------------
// Other host functions
uint32_t HostAlloc(uint32_t size);
const char* HostDataFilePath(int32_t number, int32_t flag);
void HostLogin(const char* account, const char* password);
uint32_t HostCreatureById(uint32_t id);
void HostAddChild(uint32_t parent, uint32_t child);
void HostAddMenuEntry(uint32_t menu, int32_t command, const char* text, const char* hint);
bool HostItemTypeFlag(int32_t itemId, int32_t flag);
// The host's own user-agent text, for downloads.
std::string HostUserAgent();
// The folders the host keeps for the user's files and for its data files
// (the library's folder and the store picture cache live below them).
std::string HostUserFolder();
std::string HostDataFolder();
// The host reads its configuration file `fileName` (a name, no folders)
// again, with the hotkeys in it.
void HostSetConfigFile(const char* fileName);
// Shows a status text at the bottom of the game view.
void HostStatusMessage(const char* text, int32_t zero = 0);
// One numbered command of the host's interface (36: the options dialog).
void HostGuiCommand(int32_t command, int32_t zero1 = 0, int32_t zero2 = 0);
// The host's routine that leaves the game, reached through the address the
// host keeps for it.
void HostLeaveGame();
// The host's own controls, built on objects from HostAlloc.
uint32_t HostButtonConstruct(uint32_t button, int32_t x, int32_t y, int32_t image,
                             int32_t pressedImage, uint32_t parent, int32_t command,
                             const char* tooltip);
// The construction the host's own five captured buttons are built with
// (the call sites CaptureButtonA to E replace); `last` is its eighth value.
uint32_t HostOwnButtonConstruct(uint32_t button, int32_t x, int32_t y, int32_t image,
                                int32_t pressedImage, uint32_t parent, int32_t command,
                                const char* tooltip, int32_t last);
uint32_t HostCheckBoxConstruct(uint32_t box, const char* text);
void HostCheckBoxSetChecked(uint32_t box, bool checked);
bool HostCheckBoxChecked(uint32_t box);
void HostCheckBoxPlace(uint32_t box, int32_t x, int32_t y, int32_t width, int32_t height);
// Told about opcode 10 before the host parses it.
void HostOpcode10Notice();

// A host function at a fixed address, cdecl, 32-bit arguments.
uint32_t HostCall(uint32_t address, std::initializer_list<uint32_t> args = {});
// A host member function at a fixed address, called on `object`.
uint32_t HostCallMethod(uint32_t address, uint32_t object, std::initializer_list<uint32_t> args);

// ---------------------------------------------------------------------------
// Host addresses and variables
namespace host {

inline constexpr uint32_t kImageBase = 0x400000;

namespace addr {
// Functions without a name of their own in the host interface.
inline constexpr uint32_t kOpcode10Notice = 0x404B00;
inline constexpr uint32_t kItemTypeFlag = 0x500EC0;
inline constexpr uint32_t kButtonConstruct = 0x47C310;
inline constexpr uint32_t kOwnButtonConstruct = 0x47C650;
inline constexpr uint32_t kCheckBoxConstruct = 0x47CFF0;
inline constexpr uint32_t kCheckBoxSetChecked = 0x47CFB0;
inline constexpr uint32_t kCheckBoxChecked = 0x47CFC0;
inline constexpr uint32_t kCheckBoxPlace = 0x4C4110;
inline constexpr uint32_t kGuiCommand = 0x51F650;

// Variables.
inline constexpr uint32_t kGameState = 0x79CF28;
inline constexpr uint32_t kDialogState = 0x79CF88;
inline constexpr uint32_t kPlayerId = 0x63FE98;
inline constexpr uint32_t kClockPointer = 0x5B85A0;
inline constexpr uint32_t kMessageBase = 0x7998AC;
inline constexpr uint32_t kMessagePos = 0x7998B4;
inline constexpr uint32_t kLeaveGameRoutine = 0x64F5C0;  // holds the routine's address
inline constexpr uint32_t kUserAgent = 0x5C9630;          // a NUL-terminated text
inline constexpr uint32_t kUserFolder = 0x799AF8;         // a NUL-terminated path
inline constexpr uint32_t kDataFolder = 0x7999F0;         // a NUL-terminated path
inline constexpr uint32_t kFrameTickResult = 0x63DB3C;
}  // namespace addr

// Game states.
inline constexpr int32_t kGameStateInGame = 8;
inline constexpr int32_t kGameStateServerMessages = 6;

}  // namespace host

inline host::Ref<int32_t> HostGameState() { return host::At<int32_t>(host::addr::kGameState); }
inline host::Ref<int32_t> HostDialogState() { return host::At<int32_t>(host::addr::kDialogState); }
inline host::Ref<uint32_t> HostMessageBase() { return host::At<uint32_t>(host::addr::kMessageBase); }
inline host::Ref<uint32_t> HostMessagePos() { return host::At<uint32_t>(host::addr::kMessagePos); }
inline host::Ref<uint32_t> HostPlayerId() { return host::At<uint32_t>(host::addr::kPlayerId); }
