// The host interface's functions at their host addresses, so whatever calls
// an address (host code, or quorlan.dll through the machine code at that
// address) reaches the same simulated function.
#include <cstring>

#include "host/host_memory.h"
#include "sim/address_space.h"
#include "sim/host_conventions.h"
#include "sim/sim_host.h"

namespace sim {
namespace {

int32_t Int(uint32_t value) { return static_cast<int32_t>(value); }

const char* Text(uint32_t address) {
  return address == 0 ? "" : static_cast<const char*>(host::Pointer(address));
}

}  // namespace

void SimHost::DefineInterfaceFunctions() {
  // Packets.
  DefineFunction(0x4F8290, [this](const uint32_t* a, int) { PacketBegin(a[0] & 0xFF); return 0u; });
  DefineFunction(0x4F8560, [this](const uint32_t* a, int) { PacketAddU8(a[0] & 0xFF); return 0u; });
  DefineFunction(0x4F8700, [this](const uint32_t* a, int) {
    PacketAddU16(a[0] & 0xFFFF);
    return 0u;
  });
  DefineFunction(0x4F88A0, [this](const uint32_t* a, int) { PacketAddU32(a[0]); return 0u; });
  DefineFunction(0x4F8A40, [this](const uint32_t* a, int) {
    PacketAddString(Text(a[0]));
    return 0u;
  });
  DefineFunction(0x4F8E40, [this](const uint32_t* a, int) { PacketSend(Int(a[0])); return 0u; });

  // Drawing.
  DefineFunction(0x4B4DD0, [this](const uint32_t* a, int) {
    DrawText(Int(a[0]), Int(a[1]), Int(a[2]), Int(a[3]), Int(a[4]), Int(a[5]), Int(a[6]),
             Text(a[7]), Int(a[8]));
    return 0u;
  });
  DefineFunction(0x4B4BE0, [this](const uint32_t* a, int) {
    DrawTextBox(Int(a[0]), Int(a[1]), Int(a[2]), Int(a[3]), Int(a[4]), Int(a[5]), Int(a[6]),
                Text(a[7]), Int(a[8]), Int(a[9]), Int(a[10]), Int(a[11]), Int(a[12]));
    return 0u;
  });
  DefineFunction(0x4B2BF0, [this](const uint32_t* a, int) {
    return static_cast<uint32_t>(TextWidth(Int(a[0]), Text(a[1]), Int(a[2]), Int(a[3])));
  });
  DefineFunction(0x4B1B10, [this](const uint32_t* a, int) {
    DrawSkin(Int(a[0]), Int(a[1]), Int(a[2]), Int(a[3]), Int(a[4]), Int(a[5]), Int(a[6]),
             Int(a[7]));
    return 0u;
  });
  DefineFunction(0x4B96E0, [this](const uint32_t* a, int) {
    FillRect(Int(a[0]), Int(a[1]), Int(a[2]), Int(a[3]), Int(a[4]), Int(a[5]), Int(a[6]),
             Int(a[7]));
    return 0u;
  });
  DefineFunction(0x4B5990, [this](const uint32_t* a, int) {
    host::ObjectDrawArgs d;
    d.surface = Int(a[0]);
    d.x = Int(a[1]);
    d.y = Int(a[2]);
    d.size = Int(a[3]);
    d.objectId = Int(a[4]);
    d.data = Int(a[5]);
    for (int i = 0; i < 14; ++i) d.display[i] = Int(a[6 + i]);
    DrawObject(d);
    return 0u;
  });
  DefineFunction(0x4B1310, [this](const uint32_t* a, int) {
    host::CreatureDrawArgs d;
    d.surface = Int(a[0]);
    d.x = Int(a[1]);
    d.y = Int(a[2]);
    d.width = Int(a[3]);
    d.height = Int(a[4]);
    for (int i = 0; i < 3; ++i) d.outfit[i] = Int(a[5 + i]);
    d.r = Int(a[8]);
    d.g = Int(a[9]);
    d.b = Int(a[10]);
    for (int i = 0; i < 7; ++i) d.display[i] = Int(a[11 + i]);
    DrawCreature(d);
    return 0u;
  });
  DefineFunction(0x522A90, [this](const uint32_t*, int) { return Renderer(); });

  // The renderer's virtual operations (member calls: the object first).
  DefineFunction(kRendererFillFunction, [this](const uint32_t* a, int) {
    RendererFill(a[0], Int(a[1]), Int(a[2]), Int(a[3]), Int(a[4]), Int(a[5]), Int(a[6]),
                 Int(a[7]), Int(a[8]));
    return 0u;
  });
  DefineFunction(kRendererFrameFunction, [this](const uint32_t* a, int) {
    host::FrameArgs frame;
    for (int i = 0; i < 10; ++i) frame.values[i] = Int(a[1 + i]);
    return static_cast<uint32_t>(RendererFrame(a[0], frame));
  });
  // Preparing a surface for the library's own OpenGL drawing, and the
  // Direct3D 9 render states for it: the host's business, nothing to see.
  DefineFunction(kRendererPrepareFunction, [](const uint32_t*, int) { return 0u; });
  DefineFunction(0x534650, [](const uint32_t*, int) { return 0u; });

  // Objects, files, creatures.
  DefineFunction(0x5719E2, [this](const uint32_t* a, int) { return Alloc(a[0]); });
  DefineFunction(0x508870, [this](const uint32_t* a, int) {
    return AddressSpace::String(DataFilePath(Int(a[0]), Int(a[1])));
  });
  DefineFunction(0x5084B0, [this](const uint32_t* a, int) {
    SetConfigFile(Text(a[0]));
    return 0u;
  });
  DefineFunction(0x544A90, [this](const uint32_t* a, int) {
    StatusMessage(Text(a[0]), Int(a[1]));
    return 0u;
  });
  DefineFunction(0x45E720, [this](const uint32_t* a, int) { return CreatureById(a[0]); });
  DefineFunction(0x452320, [this](const uint32_t* a, int) {
    AddMenuEntry(a[0], Int(a[1]), Text(a[2]), Text(a[3]));
    return 0u;
  });

  // The renderer object: its virtual table in host memory, so that code
  // calling its operations by slot reaches the functions above.
  const uint32_t table = AddressSpace::Allocate(4 * kRendererSlots);
  for (int slot = 0; slot < kRendererSlots; ++slot) {
    host::Write<uint32_t>(table + 4 * slot, kRendererUnusedFunction);
  }
  host::Write<uint32_t>(table + 4 * kRendererPrepareSlot, kRendererPrepareFunction);
  host::Write<uint32_t>(table + 4 * kRendererFillSlot, kRendererFillFunction);
  host::Write<uint32_t>(table + 4 * kRendererFrameSlot, kRendererFrameFunction);
  host::Write<uint32_t>(renderer_, table);
}

}  // namespace sim
