#include "host/patch_table.h"

#include <map>

#include "host/patch_engine.h"
#include "host/host_backend.h"
#include "host/host_memory.h"

namespace host {
namespace {

// clang-format off
// label, kind, host address, value kind, value (immediate, host target or
// data offset), handler, data symbol. The bytes written are exact; what the
// host code around them does is the host's affair.
constexpr PatchEntry kMainTable[] = {
    {"1", PatchKind::Byte, 0x63DB3C, ValueKind::Immediate, 0x01},
    {"2", PatchKind::Dword, 0x5B85A0, ValueKind::Handler, 0, Handler::ClockMillis},
    {"3", PatchKind::Call, 0x4340C4, ValueKind::Handler, 0, Handler::DrawBarWithPercentA},
    {"4", PatchKind::Call, 0x434276, ValueKind::Handler, 0, Handler::DrawBarWithPercentB},
    {"5", PatchKind::Call, 0x4327E6, ValueKind::Handler, 0, Handler::DrawObjectWithTier},
    {"6", PatchKind::Call, 0x434DFC, ValueKind::Handler, 0, Handler::DrawObjectWithTier},
    {"7", PatchKind::Call, 0x4394FA, ValueKind::Handler, 0, Handler::DrawObjectWithTier},
    {"8", PatchKind::Word, 0x4F57D8, ValueKind::Immediate, 0xFFD0},
    {"9", PatchKind::Word, 0x4F59B0, ValueKind::Immediate, 0xFFD0},
    {"10", PatchKind::Nop, 0x4F57E2, ValueKind::Immediate, 5},
    {"11", PatchKind::Nop, 0x4F59B7, ValueKind::Immediate, 2},
    {"12", PatchKind::Call, 0x4F57E7, ValueKind::Handler, 0, Handler::DrawOwnSecondBar},
    {"13", PatchKind::Call, 0x4F59B9, ValueKind::Handler, 0, Handler::DrawOwnSecondBar},
    {"14", PatchKind::Call, 0x453283, ValueKind::Handler, 0, Handler::AddMountMenuEntry},
    {"15", PatchKind::Call, 0x452E57, ValueKind::Handler, 0, Handler::AddWrapMenuEntry},
    {"16", PatchKind::Dword, 0x5BD9C0, ValueKind::Handler, 0, Handler::OnMenuCommand},
    {"17", PatchKind::Byte, 0x401865, ValueKind::Immediate, 0x55},
    {"18", PatchKind::Dword, 0x401866, ValueKind::Immediate, 0xFF6AEC8B},
    {"19", PatchKind::Jump, 0x40186A, ValueKind::HostAddress, 0x4F0F35},
    {"20", PatchKind::Jump, 0x4F0F30, ValueKind::Handler, 0, Handler::DrawCreatureWithMount},
    {"21", PatchKind::Byte, 0x4F1CC6, ValueKind::Immediate, 0x51},
    {"22", PatchKind::Call, 0x4F1CC7, ValueKind::Handler, 0, Handler::MountAwareFieldA},
    {"23", PatchKind::Byte, 0x4F1CD5, ValueKind::Immediate, 0x50},
    {"24", PatchKind::Call, 0x4F1CD6, ValueKind::Handler, 0, Handler::MountAwareFieldB},
    {"25", PatchKind::Dword, 0x504464, ValueKind::Immediate, 0x5020458B},
    {"26", PatchKind::Word, 0x504468, ValueKind::Immediate, 0x0D8B},
    {"27", PatchKind::Dword, 0x50446A, ValueKind::Data, 0, Handler::Count, DataSymbol::OutfitPatternZ},
    {"28", PatchKind::Byte, 0x50446E, ValueKind::Immediate, 0x51},
    {"29", PatchKind::Nop, 0x50446F, ValueKind::Immediate, 2},
    {"30", PatchKind::Dword, 0x411076, ValueKind::Immediate, 0x8990C88B},
    {"31", PatchKind::Call, 0x411071, ValueKind::Handler, 0, Handler::ReadU8AndU16},
    {"32", PatchKind::Call, 0x4110A6, ValueKind::Handler, 0, Handler::ReadU8AndU16},
    {"33", PatchKind::Call, 0x41107E, ValueKind::Handler, 0, Handler::ReadU16SkipU16},
    {"34", PatchKind::Call, 0x4110AD, ValueKind::Handler, 0, Handler::ReadU16SkipU16},
    {"35", PatchKind::Dword, 0x40E0DB, ValueKind::Immediate, 0x8990C88B},
    {"36", PatchKind::Call, 0x40E0D6, ValueKind::Handler, 0, Handler::ReadU8AndU16},
    {"37", PatchKind::Call, 0x40E15A, ValueKind::Handler, 0, Handler::ReadU8AndU16},
    {"38", PatchKind::Call, 0x40E0E3, ValueKind::Handler, 0, Handler::ReadU16SkipU16},
    {"39", PatchKind::Call, 0x40E161, ValueKind::Handler, 0, Handler::ReadU16SkipU16},
    {"40", PatchKind::Dword, 0x40E3A3, ValueKind::Immediate, 0x8990D08B},
    {"41", PatchKind::Call, 0x40E39E, ValueKind::Handler, 0, Handler::ReadU8AndU16},
    {"42", PatchKind::Call, 0x40E3AB, ValueKind::Handler, 0, Handler::ReadU16SkipU16},
    {"43", PatchKind::Dword, 0x4FEF9C, ValueKind::Immediate, 0x2A4E8B66},
    {"44", PatchKind::Dword, 0x4FEFA0, ValueKind::Immediate, 0x90C1B70F},
    {"45", PatchKind::Word, 0x4FEFA4, ValueKind::Immediate, 0x9090},
    {"46", PatchKind::Dword, 0x500AA2, ValueKind::Immediate, 0x2A468966},
    {"47", PatchKind::Word, 0x500AA6, ValueKind::Immediate, 0x9090},
    {"48", PatchKind::Byte, 0x5009AA, ValueKind::Immediate, 0x30},
    {"49", PatchKind::Call, 0x4CFB8A, ValueKind::Handler, 0, Handler::OnTypedChar},
    {"50", PatchKind::Call, 0x4104B4, ValueKind::HostAddress, 0x4F9C00},
    {"51", PatchKind::Byte, 0x4104BA, ValueKind::Immediate, 0xB7},
    {"52", PatchKind::Call, 0x411FA4, ValueKind::HostAddress, 0x4F9C00},
    {"53", PatchKind::Byte, 0x411FAA, ValueKind::Immediate, 0xB7},
    {"53a", PatchKind::ConditionalCall, 0x55A147, ValueKind::Handler, 0, Handler::OnCallSite55A147},
    {"54", PatchKind::Jump, 0x437650, ValueKind::HostAddress, 0x437A01},
    {"55", PatchKind::Jump, 0x55A02C, ValueKind::HostAddress, 0x55A140},
    {"56", PatchKind::Dword, 0x639850, ValueKind::Data, 0, Handler::Count, DataSymbol::AnalyzerText},
    {"57", PatchKind::Dword, 0x639854, ValueKind::Data, 0, Handler::Count, DataSymbol::AnalyzerText},
    {"58", PatchKind::Nop, 0x446BBA, ValueKind::Immediate, 1},
    {"59", PatchKind::Nop, 0x446BDE, ValueKind::Immediate, 1},
    {"60", PatchKind::Nop, 0x446BDF, ValueKind::Immediate, 1},
    {"61", PatchKind::Nop, 0x446BE0, ValueKind::Immediate, 1},
    {"62", PatchKind::Nop, 0x446BE4, ValueKind::Immediate, 1},
    {"63", PatchKind::Call, 0x45A18D, ValueKind::Handler, 0, Handler::OnFrameTick},
    {"64", PatchKind::Dword, 0x5B8574, ValueKind::Handler, 0, Handler::OnCreateWindow},
    {"65", PatchKind::Call, 0x4AB9D9, ValueKind::HostAddress, 0x507A0B},
    {"66", PatchKind::Nop, 0x4AB9DE, ValueKind::Immediate, 3},
    {"67", PatchKind::Dword, 0x50080C, ValueKind::Immediate, 0xFC8A448B},
    {"68", PatchKind::Nop, 0x500810, ValueKind::Immediate, 1},
    {"69", PatchKind::Call, 0x500948, ValueKind::Handler, 0, Handler::DoubleFirstArgument},
    {"70", PatchKind::Call, 0x500967, ValueKind::HostAddress, 0x5074D9},
    {"71", PatchKind::Dword, 0x500972, ValueKind::Immediate, 0x908A0489},
    {"72", PatchKind::Call, 0x4CC244, ValueKind::Handler, 0, Handler::LoadDataFiles},
    {"73", PatchKind::Call, 0x4B3847, ValueKind::Handler, 0, Handler::DataRewind},
    {"74", PatchKind::Call, 0x4B5805, ValueKind::Handler, 0, Handler::DataRewind},
    {"75", PatchKind::Call, 0x4ABEC9, ValueKind::Handler, 0, Handler::DataSeek},
    {"76", PatchKind::Jump, 0x507A45, ValueKind::Handler, 0, Handler::DataReadU8},
    {"77", PatchKind::Jump, 0x507A26, ValueKind::Handler, 0, Handler::DataReadU16},
    {"78", PatchKind::Jump, 0x507A0B, ValueKind::Handler, 0, Handler::DataReadU32},
    {"79", PatchKind::Call, 0x507558, ValueKind::Handler, 0, Handler::ForwardToHost507000},
    {"80", PatchKind::Jump, 0x500EC0, ValueKind::Handler, 0, Handler::ItemHasFlag},
    {"81", PatchKind::Jump, 0x501160, ValueKind::Handler, 0, Handler::ItemAttributeA0},
    {"82", PatchKind::Jump, 0x501310, ValueKind::Handler, 0, Handler::ItemAttributeA5},
    {"83", PatchKind::Jump, 0x5014C0, ValueKind::Handler, 0, Handler::ItemAttributeA6},
    {"84", PatchKind::Jump, 0x501670, ValueKind::Handler, 0, Handler::ItemAttributeA3},
    {"85", PatchKind::Jump, 0x501820, ValueKind::Handler, 0, Handler::ItemAttributeA4},
    {"86", PatchKind::Jump, 0x5019D0, ValueKind::Handler, 0, Handler::ItemAttributeA7},
    {"87", PatchKind::Jump, 0x501B80, ValueKind::Handler, 0, Handler::ItemAttributeA8},
    {"88", PatchKind::Jump, 0x501D30, ValueKind::Handler, 0, Handler::ItemAttributeA9},
    {"89", PatchKind::Jump, 0x501EE0, ValueKind::Handler, 0, Handler::ItemDimension0},
    {"90", PatchKind::Jump, 0x502090, ValueKind::Handler, 0, Handler::ItemDimension1},
    {"91", PatchKind::Jump, 0x502240, ValueKind::Handler, 0, Handler::ItemDimension2},
    {"92", PatchKind::Jump, 0x5023F0, ValueKind::Handler, 0, Handler::ItemDimension3},
    {"93", PatchKind::Jump, 0x5025A0, ValueKind::Handler, 0, Handler::ItemDimension4},
    {"94", PatchKind::Jump, 0x502750, ValueKind::Handler, 0, Handler::ItemDimension5},
    {"95", PatchKind::Jump, 0x502900, ValueKind::Handler, 0, Handler::ItemDimension6},
    {"96", PatchKind::Jump, 0x502AB0, ValueKind::Handler, 0, Handler::ItemDimension7},
    {"97", PatchKind::Jump, 0x502C60, ValueKind::Handler, 0, Handler::ItemSpriteIndexAnimated},
    {"98", PatchKind::Jump, 0x502E30, ValueKind::Handler, 0, Handler::OutfitHasFlag},
    {"99", PatchKind::Jump, 0x502FE0, ValueKind::Handler, 0, Handler::OutfitAttributeA5},
    {"100", PatchKind::Jump, 0x503190, ValueKind::Handler, 0, Handler::OutfitAttributeA6},
    {"101", PatchKind::Jump, 0x503340, ValueKind::Handler, 0, Handler::OutfitAttributeA3},
    {"102", PatchKind::Jump, 0x5034F0, ValueKind::Handler, 0, Handler::OutfitAttributeA4},
    {"103", PatchKind::Jump, 0x5036A0, ValueKind::Handler, 0, Handler::OutfitDimension0},
    {"104", PatchKind::Jump, 0x503A00, ValueKind::Handler, 0, Handler::OutfitDimension1},
    {"105", PatchKind::Jump, 0x503850, ValueKind::Handler, 0, Handler::OutfitDimension2},
    {"106", PatchKind::Jump, 0x503BB0, ValueKind::Handler, 0, Handler::OutfitDimension3},
    {"107", PatchKind::Jump, 0x503F10, ValueKind::Handler, 0, Handler::OutfitDimension4},
    {"108", PatchKind::Jump, 0x5040C0, ValueKind::Handler, 0, Handler::OutfitDimension5},
    {"109", PatchKind::Jump, 0x504270, ValueKind::Handler, 0, Handler::OutfitDimension5Mapped},
    {"110", PatchKind::Jump, 0x503D60, ValueKind::Handler, 0, Handler::OutfitDimension7},
    {"111", PatchKind::Jump, 0x504440, ValueKind::Handler, 0, Handler::OutfitSpriteIndex},
    {"112", PatchKind::Jump, 0x504610, ValueKind::Handler, 0, Handler::EffectHasFlag},
    {"113", PatchKind::Jump, 0x5047C0, ValueKind::Handler, 0, Handler::EffectAttributeA5},
    {"114", PatchKind::Jump, 0x504970, ValueKind::Handler, 0, Handler::EffectAttributeA6},
    {"115", PatchKind::Jump, 0x504B20, ValueKind::Handler, 0, Handler::EffectDimension0},
    {"116", PatchKind::Jump, 0x504CD0, ValueKind::Handler, 0, Handler::EffectDimension1},
    {"117", PatchKind::Jump, 0x504E80, ValueKind::Handler, 0, Handler::EffectDimension3},
    {"118", PatchKind::Jump, 0x505030, ValueKind::Handler, 0, Handler::EffectDimension4},
    {"119", PatchKind::Jump, 0x5051E0, ValueKind::Handler, 0, Handler::EffectDimension5},
    {"120", PatchKind::Jump, 0x505390, ValueKind::Handler, 0, Handler::EffectDimension7},
    {"121", PatchKind::Jump, 0x505540, ValueKind::Handler, 0, Handler::EffectSpriteIndex},
    {"122", PatchKind::Jump, 0x505710, ValueKind::Handler, 0, Handler::MissileHasFlag},
    {"123", PatchKind::Jump, 0x5058C0, ValueKind::Handler, 0, Handler::MissileAttributeA5},
    {"124", PatchKind::Jump, 0x505A70, ValueKind::Handler, 0, Handler::MissileAttributeA6},
    {"125", PatchKind::Jump, 0x505C20, ValueKind::Handler, 0, Handler::MissileDimension0},
    {"126", PatchKind::Jump, 0x505DD0, ValueKind::Handler, 0, Handler::MissileDimension1},
    {"127", PatchKind::Jump, 0x505F80, ValueKind::Handler, 0, Handler::MissileDimension3},
    {"128", PatchKind::Jump, 0x506130, ValueKind::Handler, 0, Handler::MissileSpriteIndex},
    {"129", PatchKind::Call, 0x4477D6, ValueKind::Handler, 0, Handler::ResetGroupIndex},
    {"130", PatchKind::Call, 0x4F1379, ValueKind::Handler, 0, Handler::CreatureWalkPhase},
    {"131", PatchKind::Jump, 0x4F134F, ValueKind::HostAddress, 0x4F137E},
    {"132", PatchKind::Call, 0x4F1347, ValueKind::Handler, 0, Handler::WalkPhaseClamp},
    {"133", PatchKind::Call, 0x4B618F, ValueKind::Handler, 0, Handler::AnimatedPhaseA},
    {"134", PatchKind::Call, 0x4B61B3, ValueKind::Handler, 0, Handler::AnimatedPhaseA},
    {"135", PatchKind::Call, 0x458EA4, ValueKind::Handler, 0, Handler::EffectTick},
    {"136", PatchKind::Dword, 0x4E5318, ValueKind::Immediate, 0x15FFF08B},
    {"137", PatchKind::Dword, 0x4E531C, ValueKind::Immediate, 0x005B85A0},
    {"138", PatchKind::Dword, 0x4E5320, ValueKind::Immediate, 0xF6188689},
    {"139", PatchKind::Dword, 0x4E5324, ValueKind::Immediate, 0x90900064},
    {"140", PatchKind::Byte, 0x4E5328, ValueKind::Immediate, 0x90},
    {"141", PatchKind::Word, 0x4F3345, ValueKind::Immediate, 0x558B},
    {"142", PatchKind::Dword, 0x4F3347, ValueKind::Immediate, 0x909090E4},
    {"143", PatchKind::Jump, 0x4E6359, ValueKind::HostAddress, 0x4E647C},
    {"144", PatchKind::Byte, 0x4B5A7D, ValueKind::Immediate, 0x75},
    {"145", PatchKind::Jump, 0x4B5A61, ValueKind::HostAddress, 0x4B5A7C},
    {"146", PatchKind::Byte, 0x4F0ADD, ValueKind::Immediate, 0x7D},
    {"147", PatchKind::Jump, 0x4F0AC1, ValueKind::HostAddress, 0x4F0ADC},
    {"148", PatchKind::Call, 0x45C3A5, ValueKind::Handler, 0, Handler::OpcodePump},
    {"149", PatchKind::Dword, 0x51955F, ValueKind::Immediate, 0x000015E0},
    {"150", PatchKind::Dword, 0x4B9897, ValueKind::Immediate, 0x0000015D},
    {"151", PatchKind::Dword, 0x4C639B, ValueKind::Immediate, 0x0000015D},
    {"152", PatchKind::Call, 0x4AF699, ValueKind::Handler, 0, Handler::SpriteHookA},
    {"153", PatchKind::Call, 0x4B0012, ValueKind::Handler, 0, Handler::SpriteHookA},
    {"154", PatchKind::Call, 0x4AFB8B, ValueKind::Handler, 0, Handler::SpriteHookB},
    {"155", PatchKind::Call, 0x4B046C, ValueKind::Handler, 0, Handler::SpriteHookC},
    {"156", PatchKind::Call, 0x458845, ValueKind::Handler, 0, Handler::StartUpdater},
    {"157", PatchKind::Dword, 0x5C98D0, ValueKind::Handler, 0, Handler::OnActionButton},
    {"158", PatchKind::Call, 0x43334D, ValueKind::Handler, 0, Handler::CaptureButtonA},
    {"159", PatchKind::Call, 0x42D9ED, ValueKind::Handler, 0, Handler::CaptureButtonB},
    {"160", PatchKind::Call, 0x4332EA, ValueKind::Handler, 0, Handler::CaptureButtonC},
    {"161", PatchKind::Call, 0x4333AD, ValueKind::Handler, 0, Handler::CaptureButtonD},
    {"162", PatchKind::Call, 0x4914EE, ValueKind::Handler, 0, Handler::CaptureButtonE},
    {"163", PatchKind::Word, 0x431D13, ValueKind::Immediate, 0x75FF},
    {"164", PatchKind::Byte, 0x431D15, ValueKind::Immediate, 0x08},
    {"165", PatchKind::Call, 0x431D16, ValueKind::Handler, 0, Handler::OnActionBarCreate},
    {"166", PatchKind::Jump, 0x431D1B, ValueKind::HostAddress, 0x431FA8},
    {"167", PatchKind::Jump, 0x431FA3, ValueKind::HostAddress, 0x431D13},
    {"168", PatchKind::Call, 0x40F6D4, ValueKind::HostAddress, 0x4F9C00},
    {"169", PatchKind::Word, 0x40F6D9, ValueKind::Immediate, 0xB70F},
    {"170", PatchKind::Byte, 0x45CF09, ValueKind::Immediate, 0x48},
    {"171", PatchKind::Byte, 0x45CEFA, ValueKind::Immediate, 0x06},
    {"172", PatchKind::Byte, 0x415FC6, ValueKind::Immediate, 0x10},
    {"173", PatchKind::Jump, 0x4D3570, ValueKind::HostAddress, 0x4D37E9},
    {"174", PatchKind::Dword, 0x4D3808, ValueKind::Immediate, 0x006A006A},
    {"175", PatchKind::Dword, 0x4D380C, ValueKind::Immediate, 0x006A006A},
    {"176", PatchKind::Dword, 0x4D3810, ValueKind::Immediate, 0x006A006A},
    {"177", PatchKind::Dword, 0x4D3814, ValueKind::Immediate, 0x006A006A},
    {"178", PatchKind::Word, 0x4D3818, ValueKind::Immediate, 0x006A},
    {"179", PatchKind::Call, 0x4D3AC8, ValueKind::Handler, 0, Handler::OnFrameDraw},
    {"180", PatchKind::Call, 0x485A27, ValueKind::Handler, 0, Handler::OnLoginWindowCreate},
    {"181", PatchKind::Call, 0x485FF5, ValueKind::Handler, 0, Handler::OnLoginWindowEvent},
    {"182", PatchKind::Jump, 0x49FE00, ValueKind::Handler, 0, Handler::ReturnZeroStub},
    {"183", PatchKind::Dword, 0x4F92B1, ValueKind::Data, 0, Handler::Count, DataSymbol::LargeMessageBuffer},
    {"184", PatchKind::Dword, 0x4F92B7, ValueKind::Data, 0, Handler::Count, DataSymbol::LargeMessageBuffer},
    {"185", PatchKind::Dword, 0x4F948D, ValueKind::Data, 6, Handler::Count, DataSymbol::LargeMessageBuffer},
    {"186", PatchKind::Dword, 0x4F9571, ValueKind::Data, 0, Handler::Count, DataSymbol::LargeMessageBuffer},
    {"187", PatchKind::Dword, 0x4FB976, ValueKind::Data, 0, Handler::Count, DataSymbol::LargeMessageBuffer},
    {"188", PatchKind::Dword, 0x4FBABB, ValueKind::Data, 0, Handler::Count, DataSymbol::LargeMessageBuffer},
    {"189", PatchKind::Dword, 0x5B7563, ValueKind::Data, 0, Handler::Count, DataSymbol::LargeMessageBuffer},
    {"190", PatchKind::Dword, 0x4FB97E, ValueKind::Immediate, 0x0000FFF8},};

constexpr PatchEntry kSse2Table[] = {
    {"191", PatchKind::Call, 0x4AF5E9, ValueKind::Handler, 0, Handler::LookupSse2A},
    {"192", PatchKind::Call, 0x4AFACD, ValueKind::Handler, 0, Handler::LookupSse2B},
    {"193", PatchKind::Call, 0x4AFF06, ValueKind::Handler, 0, Handler::LookupSse2C},};
// clang-format on

PatchObserver observer = nullptr;

std::map<uint32_t, uint32_t>& OriginalTargets() {
  static std::map<uint32_t, uint32_t> targets;
  return targets;
}

void RememberOriginalCall(uint32_t site) {
  if (Read<uint8_t>(site) != 0xE8) return;
  OriginalTargets()[site] = site + 5 + Read<uint32_t>(site + 1);
}

}  // namespace

std::span<const PatchEntry> MainPatchTable() { return kMainTable; }
std::span<const PatchEntry> Sse2PatchTable() { return kSse2Table; }

uint32_t ResolveValue(const PatchEntry& entry) {
  switch (entry.valueKind) {
    case ValueKind::Immediate:
    case ValueKind::HostAddress:
      return entry.value;
    case ValueKind::Handler:
      return Backend().HandlerAddress(static_cast<uint16_t>(entry.handler));
    case ValueKind::Data:
      return AddressOf(entry.data) + entry.value;
  }
  return 0;
}

void ApplyPatch(const PatchEntry& entry) {
  const uint32_t value = ResolveValue(entry);
  switch (entry.kind) {
    case PatchKind::Call:
      RememberOriginalCall(entry.address);
      PatchCall(entry.address, value);
      break;
    case PatchKind::Jump: PatchJump(entry.address, value); break;
    case PatchKind::Nop: PatchNops(entry.address, value); break;
    case PatchKind::Dword: PatchDword(entry.address, value); break;
    case PatchKind::Word: PatchWord(entry.address, static_cast<uint16_t>(value)); break;
    case PatchKind::Byte: PatchByte(entry.address, static_cast<uint8_t>(value)); break;
    case PatchKind::ConditionalCall:
      RememberOriginalCall(entry.address);
      if (!PatchExistingCall(entry.address, value)) return;  // host code left untouched
      break;
  }
  if (observer != nullptr) observer(entry);
}

uint32_t OriginalCallTarget(uint32_t site) {
  auto it = OriginalTargets().find(site);
  return it == OriginalTargets().end() ? 0 : it->second;
}

void SetPatchObserver(PatchObserver newObserver) { observer = newObserver; }

}  // namespace host
