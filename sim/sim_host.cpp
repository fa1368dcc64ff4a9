#include "sim/sim_host.h"

#include <cstdio>
#include <algorithm>
#include <cstring>

#include "host/host_functions.h"
#include "sim/address_space.h"
#include "sim/library_link.h"

namespace sim {
namespace {

constexpr uint32_t kMessageBufferFallbackSize = 0x10000;
constexpr uint32_t kBufferSize = 0x4FB97E;
constexpr int kMaxCallDepth = 64;
// Where the simulated host keeps its routine that leaves the game.
constexpr uint32_t kLeaveGameRoutine = 0x4D7A10;

std::string Hex(uint32_t value) {
  char text[16];
  std::snprintf(text, sizeof(text), "0x%06X", value);
  return text;
}

std::string Number(int64_t value) { return std::to_string(value); }

}  // namespace

std::string Quote(const std::string& text) {
  std::string out = "\"";
  for (char c : text) {
    if (c == '"' || c == '\\') out += '\\';
    out += c;
  }
  return out + "\"";
}

std::string FormatHostCall(const std::string& name, const std::vector<std::string>& args) {
  std::string out = name + "(";
  for (size_t i = 0; i < args.size(); ++i) {
    if (i > 0) out += ", ";
    out += args[i];
  }
  return out + ")";
}

int FontAdvance(int font) {
  switch (font) {
    case 1: return 6;
    case 2: return 6;
    case 3: return 6;
    case 4: return 5;
    default: return 6;
  }
}

SimHost::SimHost() {
  // The renderer object: a host heap block whose first word is its virtual
  // table (interface_functions.cpp); quorlan-host32 puts the graphics
  // interfaces the library draws its textures with into its fields.
  renderer_ = AddressSpace::Allocate(0x400);
  DefineInterfaceFunctions();
  DefineFunction(0x4F98A0, [this](const uint32_t*, int) { return static_cast<uint32_t>(NextOpcode()); });
  DefineFunction(0x4F9A60, [this](const uint32_t*, int) { return uint32_t{ReadU8()}; });
  DefineFunction(0x4F9C00, [this](const uint32_t*, int) { return uint32_t{ReadU16()}; });
  DefineFunction(0x4F9DA0, [this](const uint32_t*, int) { return ReadU32(); });
  DefineFunction(host::addr::kGuiCommand, [this](const uint32_t* args, int count) -> uint32_t {
    std::vector<std::string> texts;
    for (int i = 0; i < count; ++i) texts.push_back(Number(static_cast<int32_t>(args[i])));
    RecordHostCall(FormatHostCall("HostGuiCommand", texts));
    return 0;
  });
  // The host's user agent, which downloads send.
  constexpr char kUserAgent[] = "Mozilla/4.0 (compatible; simulated host)";
  std::memcpy(host::Pointer(host::addr::kUserAgent), kUserAgent, sizeof(kUserAgent));
  // The display names of the five data files the updater compares, which
  // are also their names on the update service.
  for (const auto& [address, name] :
       {std::pair{0x5CD80Cu, "Quorlan.exe"}, std::pair{0x5CD822u, "Quorlan.pic"},
        std::pair{0x5CD84Cu, "Quorlan.dat"}, std::pair{0x5CD884u, "Quorlan.xml"},
        std::pair{0x5CD868u, "Quorlan.spr"}}) {
    std::memcpy(host::Pointer(address), name, std::strlen(name) + 1);
  }
  // The routine that leaves the game, at the address the host keeps for it.
  host::Write<uint32_t>(host::addr::kLeaveGameRoutine, kLeaveGameRoutine);
  DefineFunction(kLeaveGameRoutine, [this](const uint32_t*, int) -> uint32_t {
    RecordHostCall(FormatHostCall("HostLeaveGame", {}));
    return 0;
  });
  DefineFunction(0x560081, [this](const uint32_t* args, int count) -> uint32_t {
    const int code = count > 0 && args[0] != 0 ? host::Read<int32_t>(args[0]) : 0;
    RecordHostCall(FormatHostCall("HostLoadError", {Number(code)}));
    throw HostLoadError(code);
  });
}

// ---- incoming message ----------------------------------------------------------

uint32_t SimHost::MessageBuffer() const {
  // The host's reader uses the buffer its code addresses (entry 183 makes
  // that the library's large buffer).
  return host::Read<uint32_t>(0x4F92B1);
}

void SimHost::SetMessage(const std::vector<uint8_t>& bytes) {
  uint32_t buffer = MessageBuffer();
  if (buffer == 0) {
    buffer = fallbackBuffer_ = AddressSpace::Allocate(kMessageBufferFallbackSize);
    host::Write<uint32_t>(0x4F92B1, buffer);
  }
  // Once the library has put its own buffer in place, the host's size
  // constant for it (0x4FB97E) was patched to match.
  const uint32_t capacity =
      buffer == fallbackBuffer_ ? kMessageBufferFallbackSize : host::Read<uint32_t>(kBufferSize);
  messageLength_ = static_cast<uint32_t>(std::min<size_t>(bytes.size(), capacity));
  std::memset(host::Pointer(buffer), 0, capacity);
  if (messageLength_ > 0) std::memcpy(host::Pointer(buffer), bytes.data(), messageLength_);
  HostMessageBase() = buffer;
  HostMessagePos() = 0;
  if (onMessageSet) onMessageSet(buffer, messageLength_, capacity);
}

uint8_t SimHost::MessageByte(uint32_t offset) const {
  if (offset >= messageLength_) return 0;
  return host::Read<uint8_t>(HostMessageBase() + offset);
}

int32_t SimHost::NextOpcode() {
  const uint32_t pos = HostMessagePos();
  if (pos >= messageLength_) return -1;
  HostMessagePos() = pos + 1;
  return MessageByte(pos);
}

// The simulated host checks its reads against the message's end: a read
// that would run past it fails (the position still moves, so the next
// opcode request ends the message), and the handler that asked ends with
// its failure.
uint32_t SimHost::TakeFromMessage(uint32_t size) {
  const uint32_t pos = HostMessagePos();
  HostMessagePos() = pos + size;
  if (uint64_t{pos} + size > messageLength_) throw MessageOverrun();
  return pos;
}

uint8_t SimHost::ReadU8() { return MessageByte(TakeFromMessage(1)); }

uint16_t SimHost::ReadU16() {
  const uint32_t pos = TakeFromMessage(2);
  return static_cast<uint16_t>(MessageByte(pos) | (MessageByte(pos + 1) << 8));
}

uint32_t SimHost::ReadU32() {
  const uint32_t pos = TakeFromMessage(4);
  uint32_t value = 0;
  for (int i = 3; i >= 0; --i) value = (value << 8) | MessageByte(pos + i);
  return value;
}

// ---- outgoing packets ------------------------------------------------------------

void SimHost::PacketBegin(uint8_t opcode) {
  building_ = {opcode};
  packetOpen_ = true;
}
void SimHost::PacketAddU8(uint8_t value) { building_.push_back(value); }
void SimHost::PacketAddU16(uint16_t value) {
  building_.push_back(value & 0xFF);
  building_.push_back(value >> 8);
}
void SimHost::PacketAddU32(uint32_t value) {
  for (int i = 0; i < 4; ++i) building_.push_back((value >> (8 * i)) & 0xFF);
}
void SimHost::PacketAddString(const char* text) {
  const size_t length = std::strlen(text);
  PacketAddU16(static_cast<uint16_t>(length));
  building_.insert(building_.end(), text, text + length);
}
void SimHost::PacketSend(int32_t) {
  if (!packetOpen_) return;
  sent_.push_back(building_);
  building_.clear();
  packetOpen_ = false;
}

// ---- drawing ---------------------------------------------------------------------

void SimHost::DrawText(int32_t surface, int32_t x, int32_t y, int32_t font, int32_t r, int32_t g,
                       int32_t b, const char* text, int32_t alignment) {
  draws_.push_back({"HostDrawText", {surface, x, y, font, r, g, b, alignment}, text});
}
void SimHost::DrawTextBox(int32_t surface, int32_t x, int32_t y, int32_t font, int32_t r,
                          int32_t g, int32_t b, const char* text, int32_t alignment, int32_t boxX,
                          int32_t boxY, int32_t boxWidth, int32_t boxHeight) {
  draws_.push_back({"HostDrawTextBox",
                    {surface, x, y, font, r, g, b, alignment, boxX, boxY, boxWidth, boxHeight},
                    text});
}
int32_t SimHost::TextWidth(int32_t font, const char* text, int32_t length, int32_t) {
  const int32_t available = static_cast<int32_t>(std::strlen(text));
  const int32_t counted = length < 0 || length > available ? available : length;
  return counted * FontAdvance(font);
}
void SimHost::DrawSkin(int32_t surface, int32_t x, int32_t y, int32_t sheet, int32_t sourceX,
                       int32_t sourceY, int32_t width, int32_t height) {
  draws_.push_back({"HostDrawSkin", {surface, x, y, sheet, sourceX, sourceY, width, height}, ""});
}
void SimHost::FillRect(int32_t surface, int32_t x, int32_t y, int32_t width, int32_t height,
                       int32_t element, int32_t zero1, int32_t zero2) {
  draws_.push_back({"HostFillRect", {surface, x, y, width, height, element, zero1, zero2}, ""});
}
void SimHost::DrawObject(const host::ObjectDrawArgs& a) {
  std::vector<int32_t> args{a.surface, a.x, a.y, a.size, a.objectId, a.data};
  args.insert(args.end(), std::begin(a.display), std::end(a.display));
  draws_.push_back({"HostDrawObject", args, ""});
}
void SimHost::DrawCreature(const host::CreatureDrawArgs& a) {
  std::vector<int32_t> args{a.surface, a.x, a.y, a.width, a.height, a.outfit[0], a.outfit[1],
                            a.outfit[2], a.r, a.g, a.b};
  args.insert(args.end(), std::begin(a.display), std::end(a.display));
  draws_.push_back({"HostDrawCreature", args, ""});
}
void SimHost::RendererFill(uint32_t, int32_t surface, int32_t x, int32_t y, int32_t width,
                           int32_t height, int32_t r, int32_t g, int32_t b) {
  draws_.push_back({"RendererFill", {surface, x, y, width, height, r, g, b}, ""});
}
int32_t SimHost::RendererFrame(uint32_t, const host::FrameArgs& args) {
  draws_.push_back({"RendererFrame", std::vector<int32_t>(std::begin(args.values),
                                                          std::end(args.values)), ""});
  if (onFrame) onFrame();
  return 0;
}

// ---- objects, files, login -------------------------------------------------------------

uint32_t SimHost::Alloc(uint32_t size) {
  if (failAllocations) return 0;
  return AddressSpace::Allocate(size);
}

const char* SimHost::DataFilePath(int32_t number, int32_t flag) {
  static const char* const kNames[] = {"Quorlan.exe", "Quorlan.pic", "version.txt",
                                       "Quorlan.dat", "Quorlan.spr", "Quorlan.xml"};
  const char* name = number >= 0 && number < 6 ? kNames[number] : "unknown";
  // Variant 1 is where a download of the file goes: the program file (0),
  // which cannot be replaced while it runs, is set aside under ".old" and
  // its download written beside that; every other file is replaced where
  // it lies.
  std::string path = dataFolder_ + "/" + name + (flag != 0 && number == 0 ? ".old" : "");
  std::string& stored = paths_[number * 2 + (flag != 0 ? 1 : 0)];
  stored = path;
  return stored.c_str();
}

void SimHost::SetConfigFile(const char* fileName) {
  RecordHostCall(FormatHostCall("HostSetConfigFile", {Quote(fileName)}));
}

void SimHost::StatusMessage(const char* text, int32_t zero) {
  RecordHostCall(FormatHostCall("HostStatusMessage", {Quote(text), Number(zero)}));
}

void SimHost::Login(const char* account, const char* password) {
  RecordHostCall(FormatHostCall("HostLogin", {Quote(account), Quote(password)}));
}

uint32_t SimHost::CreatureById(uint32_t id) {
  auto it = creatures_.find(id);
  return it == creatures_.end() ? 0 : it->second;
}

void SimHost::AddChild(uint32_t parent, uint32_t child) {
  if (onAddChild) onAddChild(parent, child);
}

void SimHost::AddMenuEntry(uint32_t menu, int32_t command, const char* text, const char* hint) {
  if (onAddMenuEntry) onAddMenuEntry(menu, command, text, hint);
}

// ---- the simulated CPU ----------------------------------------------------------------

void SimHost::DefineFunction(uint32_t address, HostFunction function) {
  functions_[address] = std::move(function);
}

uint32_t SimHost::Call(uint32_t address, const uint32_t* args, int count) {
  return Execute(address, std::vector<uint32_t>(args, args + count));
}

uint32_t SimHost::CallMethod(uint32_t address, uint32_t object, const uint32_t* args, int count) {
  std::vector<uint32_t> all{object};
  all.insert(all.end(), args, args + count);
  return Execute(address, all);
}

uint32_t SimHost::Execute(uint32_t address, std::vector<uint32_t> args) {
  if (++depth_ > kMaxCallDepth) {
    depth_ = 0;
    throw SimError("host call chain too deep at " + Hex(address));
  }
  struct DepthGuard {
    int& depth;
    ~DepthGuard() { --depth; }
  } guard{depth_};

  // A JMP written over the start of a host function diverts it.
  if (AddressSpace::Contains(address, 5) && host::Read<uint8_t>(address) == 0xE9) {
    const uint32_t target = address + 5 + host::Read<uint32_t>(address + 1);
    if (library_ != nullptr && library_->IsLibraryCode(target)) {
      return library_->EnterThroughJump(address, target, std::move(args));
    }
    return Execute(target, std::move(args));
  }
  auto it = functions_.find(address);
  if (it != functions_.end()) return it->second(args.data(), static_cast<int>(args.size()));
  return UnknownFunction(address, args.data(), static_cast<int>(args.size()));
}

uint32_t SimHost::UnknownFunction(uint32_t address, const uint32_t* args, int count) {
  std::vector<std::string> texts;
  for (int i = 0; i < count; ++i) texts.push_back(Number(static_cast<int32_t>(args[i])));
  RecordHostCall(FormatHostCall("host:" + Hex(address), texts));
  return 0;
}

const SimHost::HostFunction* SimHost::FunctionAt(uint32_t address) const {
  auto it = functions_.find(address);
  return it == functions_.end() ? nullptr : &it->second;
}

std::vector<uint32_t> SimHost::FunctionAddresses() const {
  std::vector<uint32_t> addresses;
  for (const auto& [address, function] : functions_) addresses.push_back(address);
  return addresses;
}

uint32_t SimHost::ExecuteCallSite(uint32_t site, std::vector<uint32_t> args) {
  if (host::Read<uint8_t>(site) != 0xE8) {
    throw SimError("the host code at " + Hex(site) + " is no longer a CALL");
  }
  const uint32_t target = site + 5 + host::Read<uint32_t>(site + 1);
  if (library_ != nullptr && library_->IsLibraryCode(target)) {
    return library_->EnterAtCallSite(site, std::move(args));
  }
  return Execute(target, std::move(args));
}

uint32_t SimHost::ExecutePointer(uint32_t slot, std::vector<uint32_t> args) {
  const uint32_t target = host::Read<uint32_t>(slot);
  if (library_ != nullptr && library_->IsLibraryCode(target)) {
    return library_->EnterThroughPointer(slot, target, std::move(args));
  }
  return Execute(target, std::move(args));
}

}  // namespace sim
