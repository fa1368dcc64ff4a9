// The simulated host client's functions: the host interface the library
// calls (message reading, packets, drawing, objects), each also defined at
// its host address, and a tiny "CPU" that follows the CALLs and JMPs the
// patch table wrote, so the host reaches the library only through them (and
// through the library link, sim/library_link.h, once a target is the
// library's).
#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <mutex>
#include <stdexcept>
#include <string>
#include <vector>

#include "host/host_backend.h"

namespace sim {

// The pixels of a picture the library draws itself (a texture): width x
// height pixels of 4 bytes (red, green, blue, alpha 0 or 255), rows from top
// to bottom.
struct DrawnPicture {
  int32_t width = 0, height = 0;
  std::vector<uint8_t> rgba;
};

// One recorded drawing call of a frame.
struct DrawCall {
  std::string name;           // "HostDrawText", "HostFillRect", "RendererFill", ...
  std::vector<int32_t> args;  // numeric arguments in order (the text excluded)
  std::string text;           // the text of text-drawing calls
  std::shared_ptr<const DrawnPicture> picture = {};  // what a "Texture" draw shows
};

// The draw of a picture the library draws itself: args (surface, smooth, x,
// y, w, h, renderer kind), text the path (where the host can know it),
// picture the pixels shown.
inline constexpr char kTextureDraw[] = "Texture";

using Packet = std::vector<uint8_t>;

// Raised by the simulated host's load-error function (0x560081).
struct HostLoadError : std::runtime_error, host::HostRaised {
  explicit HostLoadError(int code)
      : std::runtime_error("host load error " + std::to_string(code)), code(code) {}
  int code;
};

// The simulated host ran into something the real client would crash on
// (a patched site without a CALL, a handler reached with the wrong contract).
struct SimError : std::runtime_error, host::HostRaised {
  using std::runtime_error::runtime_error;
};

// Fixed text advance per host font number, so widths are predictable.
int FontAdvance(int font);

// What the simulated host's message reads throw past the message's end.
struct MessageOverrun : std::out_of_range {
  MessageOverrun() : std::out_of_range("read past the end of the server message") {}
};

class LibraryLink;

class SimHost {
 public:
  using HostFunction = std::function<uint32_t(const uint32_t* args, int count)>;

  SimHost();

  // How the host reaches library code (set by the simulator before start).
  void SetLibrary(LibraryLink* library) { library_ = library; }

  // ---- the host interface -------------------------------------------------------
  int32_t NextOpcode();
  uint8_t ReadU8();
  uint16_t ReadU16();
  uint32_t ReadU32();
  void PacketBegin(uint8_t opcode);
  void PacketAddU8(uint8_t value);
  void PacketAddU16(uint16_t value);
  void PacketAddU32(uint32_t value);
  void PacketAddString(const char* text);
  void PacketSend(int32_t always1);
  void DrawText(int32_t surface, int32_t x, int32_t y, int32_t font, int32_t r, int32_t g,
                int32_t b, const char* text, int32_t alignment);
  void DrawTextBox(int32_t surface, int32_t x, int32_t y, int32_t font, int32_t r, int32_t g,
                   int32_t b, const char* text, int32_t alignment, int32_t boxX, int32_t boxY,
                   int32_t boxWidth, int32_t boxHeight);
  int32_t TextWidth(int32_t font, const char* text, int32_t length, int32_t zero);
  void DrawSkin(int32_t surface, int32_t x, int32_t y, int32_t sheet, int32_t sourceX,
                int32_t sourceY, int32_t width, int32_t height);
  void FillRect(int32_t surface, int32_t x, int32_t y, int32_t width, int32_t height,
                int32_t element, int32_t zero1, int32_t zero2);
  void DrawObject(const host::ObjectDrawArgs& args);
  void DrawCreature(const host::CreatureDrawArgs& args);
  uint32_t Renderer() { return renderer_; }
  void RendererFill(uint32_t renderer, int32_t surface, int32_t x, int32_t y, int32_t width,
                    int32_t height, int32_t r, int32_t g, int32_t b);
  int32_t RendererFrame(uint32_t renderer, const host::FrameArgs& args);
  uint32_t Alloc(uint32_t size);
  const char* DataFilePath(int32_t number, int32_t flag);
  void Login(const char* account, const char* password);
  void SetConfigFile(const char* fileName);
  void StatusMessage(const char* text, int32_t zero);
  uint32_t CreatureById(uint32_t id);
  void AddChild(uint32_t parent, uint32_t child);
  void AddMenuEntry(uint32_t menu, int32_t command, const char* text, const char* hint);
  uint32_t Call(uint32_t address, const uint32_t* args, int count);
  uint32_t CallMethod(uint32_t address, uint32_t object, const uint32_t* args, int count);

  // ---- the simulated CPU -----------------------------------------------------------
  // Runs the CALL instruction at `site` with these stack arguments.
  uint32_t ExecuteCallSite(uint32_t site, std::vector<uint32_t> args);
  // Calls through the function pointer stored at `slot`.
  uint32_t ExecutePointer(uint32_t slot, std::vector<uint32_t> args);
  // Calls the function at `address`, following a JMP written over its start.
  uint32_t Execute(uint32_t address, std::vector<uint32_t> args);
  // What the simulated host does at its own function `address`.
  void DefineFunction(uint32_t address, HostFunction function);
  // The function defined at `address`, or null.
  const HostFunction* FunctionAt(uint32_t address) const;
  // Every address with a function, in order.
  std::vector<uint32_t> FunctionAddresses() const;
  // What the host does at an address with no function of its own: records
  // the call as "host:0x...(args)" and answers 0.
  uint32_t UnknownFunction(uint32_t address, const uint32_t* args, int count);

  // ---- incoming message ----------------------------------------------------------------
  void SetMessage(const std::vector<uint8_t>& bytes);
  // Called by SetMessage once the message is in its buffer, before anything
  // reads it: the buffer's host address, the message's length and the
  // buffer's capacity (the fuzz target poisons the bytes after the message).
  std::function<void(uint32_t buffer, uint32_t length, uint32_t capacity)> onMessageSet;

  // ---- sinks ------------------------------------------------------------------------------
  std::vector<DrawCall>& Draws() { return draws_; }
  // While set, the library's drawing calls are only counted, not recorded:
  // a benchmark measures the library's share of a frame without the cost of
  // the record (the host's own drawing is recorded as ever).
  void SetCountOnly(bool countOnly) { countOnly_ = countOnly; }
  uint64_t CountedDraws() const { return countedDraws_; }
  std::vector<Packet>& Sent() { return sent_; }
  std::vector<std::string>& HostCalls() { return hostCalls_; }
  void RecordHostCall(const std::string& text) { hostCalls_.push_back(text); }
  void SetDataFolder(const std::string& folder) { dataFolder_ = folder; }
  void AddCreature(uint32_t id, uint32_t address) { creatures_[id] = address; }
  // Where the host's add-child and add-menu-entry calls go (the host's
  // interface model).
  std::function<void(uint32_t parent, uint32_t child)> onAddChild;
  // The host's allocator answers null while this is set.
  bool failAllocations = false;
  // The rest of the host's frame, after the renderer's frame call.
  std::function<void()> onFrame;
  std::function<void(uint32_t menu, int32_t command, const char* text, const char* hint)>
      onAddMenuEntry;

 private:
  // The host interface's own functions at their addresses (interface_functions.cpp).
  void DefineInterfaceFunctions();
  uint32_t MessageBuffer() const;
  uint8_t MessageByte(uint32_t offset) const;
  // Moves the read position by `size` and returns where it was; throws
  // MessageOverrun when the read runs past the message's end.
  uint32_t TakeFromMessage(uint32_t size);

  LibraryLink* library_ = nullptr;
  uint32_t renderer_ = 0;
  uint32_t messageLength_ = 0;
  uint32_t fallbackBuffer_ = 0;
  std::map<uint32_t, HostFunction> functions_;
  // Whether a drawing call of the library is only counted (and counts it).
  bool CountedOnly() {
    countedDraws_ += countOnly_ ? 1 : 0;
    return countOnly_;
  }

  std::vector<DrawCall> draws_;
  bool countOnly_ = false;
  uint64_t countedDraws_ = 0;
  std::vector<Packet> sent_;
  Packet building_;
  bool packetOpen_ = false;
  std::vector<std::string> hostCalls_;
  std::map<uint32_t, uint32_t> creatures_;
  std::map<int, std::string> paths_;
  std::string dataFolder_ = ".";
  int depth_ = 0;
};

// "host:0x4D4EA0(14)" / "Name(1, \"text\")": the form in which host calls are
// recorded and expected.
std::string FormatHostCall(const std::string& name, const std::vector<std::string>& args);
std::string Quote(const std::string& text);

}  // namespace sim
