// host::HostBackend in the simulator: the core's calls of host functions go
// to the simulated host (sim/sim_host.h) as C++ calls; handlers are named
// by 32-bit tokens that only the simulator's link follows.
#pragma once

#include "host/host_backend.h"
#include "sim/sim_host.h"

namespace sim {

class LinkedBackend final : public host::HostBackend {
 public:
  explicit LinkedBackend(SimHost& host) : host_(host) {}

  int32_t NextOpcode() override { return host_.NextOpcode(); }
  uint8_t ReadU8() override { return host_.ReadU8(); }
  uint16_t ReadU16() override { return host_.ReadU16(); }
  uint32_t ReadU32() override { return host_.ReadU32(); }
  void PacketBegin(uint8_t opcode) override { host_.PacketBegin(opcode); }
  void PacketAddU8(uint8_t value) override { host_.PacketAddU8(value); }
  void PacketAddU16(uint16_t value) override { host_.PacketAddU16(value); }
  void PacketAddU32(uint32_t value) override { host_.PacketAddU32(value); }
  void PacketAddString(const char* text) override { host_.PacketAddString(text); }
  void PacketSend(int32_t always1) override { host_.PacketSend(always1); }
  void DrawText(int32_t surface, int32_t x, int32_t y, int32_t font, int32_t r, int32_t g,
                int32_t b, const char* text, int32_t alignment) override {
    host_.DrawText(surface, x, y, font, r, g, b, text, alignment);
  }
  void DrawTextBox(int32_t surface, int32_t x, int32_t y, int32_t font, int32_t r, int32_t g,
                   int32_t b, const char* text, int32_t alignment, int32_t boxX, int32_t boxY,
                   int32_t boxWidth, int32_t boxHeight) override {
    host_.DrawTextBox(surface, x, y, font, r, g, b, text, alignment, boxX, boxY, boxWidth,
                      boxHeight);
  }
  int32_t TextWidth(int32_t font, const char* text, int32_t length, int32_t zero) override {
    return host_.TextWidth(font, text, length, zero);
  }
  void DrawSkin(int32_t surface, int32_t x, int32_t y, int32_t sheet, int32_t sourceX,
                int32_t sourceY, int32_t width, int32_t height) override {
    host_.DrawSkin(surface, x, y, sheet, sourceX, sourceY, width, height);
  }
  void FillRect(int32_t surface, int32_t x, int32_t y, int32_t width, int32_t height,
                int32_t element, int32_t zero1, int32_t zero2) override {
    host_.FillRect(surface, x, y, width, height, element, zero1, zero2);
  }
  void DrawObject(const host::ObjectDrawArgs& args) override { host_.DrawObject(args); }
  void DrawCreature(const host::CreatureDrawArgs& args) override { host_.DrawCreature(args); }
  uint32_t Renderer() override { return host_.Renderer(); }
  void RendererFill(uint32_t renderer, int32_t surface, int32_t x, int32_t y, int32_t width,
                    int32_t height, int32_t r, int32_t g, int32_t b) override {
    host_.RendererFill(renderer, surface, x, y, width, height, r, g, b);
  }
  int32_t RendererFrame(uint32_t renderer, const host::FrameArgs& args) override {
    return host_.RendererFrame(renderer, args);
  }
  uint32_t Alloc(uint32_t size) override { return host_.Alloc(size); }
  const char* DataFilePath(int32_t number, int32_t flag) override {
    return host_.DataFilePath(number, flag);
  }
  void Login(const char* account, const char* password) override {
    host_.Login(account, password);
  }
  void SetConfigFile(const char* fileName) override { host_.SetConfigFile(fileName); }
  void StatusMessage(const char* text, int32_t zero) override { host_.StatusMessage(text, zero); }
  uint32_t CreatureById(uint32_t id) override { return host_.CreatureById(id); }
  void AddChild(uint32_t parent, uint32_t child) override { host_.AddChild(parent, child); }
  void AddMenuEntry(uint32_t menu, int32_t command, const char* text,
                    const char* hint) override {
    host_.AddMenuEntry(menu, command, text, hint);
  }
  uint32_t HandlerAddress(uint16_t handler) override;
  // Library data outlives every simulated host of the process (the core
  // creates it once), so it has its own region that no reset clears.
  void* LibraryDataStorage(uint32_t size) override;
  uint32_t Call(uint32_t address, const uint32_t* args, int count) override {
    return host_.Call(address, args, count);
  }
  uint32_t CallMethod(uint32_t address, uint32_t object, const uint32_t* args,
                      int count) override {
    return host_.CallMethod(address, object, args, count);
  }

  SimHost& Host() { return host_; }

 private:
  SimHost& host_;
};

// The simulated host the core is linked to now, or null.
SimHost* LinkedHost();

}  // namespace sim
