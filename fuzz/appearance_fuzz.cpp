// libFuzzer target: the appearance file and everything that reads its store.
//
// Each input is parsed twice with the same random seed: into a fresh store,
// and into the library's own store, which still holds the previous input's
// parse (a reused store keeps its pools' capacity, so a parse that leans on
// stale contents shows up here). The two must agree, every record must be
// consistent with its dimensions, and then every getter and animation phase
// is asked about the ids the parse produced and a few beyond them, through
// a started simulated host (creatures live in its memory, time is its
// clock).
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <initializer_list>
#include <memory>

#include "host/appearance/appearance_parser.h"
#include "host/appearance/appearance_store.h"
#include "host/appearance/uniform_random.h"
#include "host/creature.h"
#include "host/handlers.h"
#include "host/host_memory.h"
#include "host/library_data.h"
#include "sim/address_space.h"
#include "sim/simulator.h"
#include "require.h"

namespace {

using appearance::AppearanceStore;
using appearance::Category;
using appearance::FrameGroup;
using appearance::Record;

constexpr uint32_t kSeed = 0x5EED;

using fuzz::Require;

// ---- consistency of one store and agreement of two -------------------------

uint64_t SpriteProduct(const FrameGroup& g) {
  const uint8_t* d = g.dims;
  return uint64_t{d[0]} * d[1] * d[3] * d[4] * d[5] * d[6] * d[7];
}

void CheckGroup(const AppearanceStore& store, const FrameGroup& group) {
  if (!group.present) {
    Require(group.spriteCount == 0 && store.AnimatorOf(group) == nullptr,
            "a group the file did not fill has sprites or an animator");
    return;
  }
  Require(group.spriteCount == SpriteProduct(group), "sprite count is not the dimensions' product");
  for (const uint32_t sprite : store.Sprites(group)) (void)sprite;  // within the pool (ASan)
  const appearance::Animator* animator = store.AnimatorOf(group);
  if (group.dims[appearance::kFrames] < 2) {
    Require(animator == nullptr, "a group of fewer than two frames has an animator");
    return;
  }
  Require(animator != nullptr, "a group of several frames has no animator");
  Require(animator->frameCount == group.dims[appearance::kFrames], "animator frames != d7");
  Require(animator->startFrame < animator->frameCount, "start frame beyond the frames");
  uint64_t cycle = 0;
  for (const appearance::FrameDuration& d : store.Durations(*animator)) {
    Require(d.min <= d.max && d.max <= INT32_MAX, "a duration not normalised");
    cycle += d.min + (d.max - d.min) / 2;
  }
  Require(cycle == animator->cycleMillis, "cycle length is not the sum of the durations");
}

void CheckStore(const AppearanceStore& store) {
  for (int c = 0; c < appearance::kCategoryCount; ++c) {
    const auto category = static_cast<Category>(c);
    for (uint32_t id = 0; id < store.RecordCount(category); ++id) {
      const Record& record = *store.Find(category, static_cast<uint16_t>(id));
      for (const FrameGroup& group : record.groups) CheckGroup(store, group);
      Require(c == 1 || !record.groups[1].present, "a second group outside the outfits");
      (void)store.Name(record);
    }
  }
}

bool SameGroup(const AppearanceStore& a, const FrameGroup& x, const AppearanceStore& b,
               const FrameGroup& y) {
  for (int n = 0; n < appearance::kDimensionCount; ++n) {
    if (x.dims[n] != y.dims[n]) return false;
  }
  const auto xs = a.Sprites(x), ys = b.Sprites(y);
  if (x.present != y.present || !std::equal(xs.begin(), xs.end(), ys.begin(), ys.end())) {
    return false;
  }
  const appearance::Animator* p = a.AnimatorOf(x);
  const appearance::Animator* q = b.AnimatorOf(y);
  if (p == nullptr || q == nullptr) return p == q;
  if (p->modeZero != q->modeZero || p->loops != q->loops || p->startFrame != q->startFrame ||
      p->cycleMillis != q->cycleMillis || p->startOffsetMillis != q->startOffsetMillis) {
    return false;
  }
  const auto pd = a.Durations(*p), qd = b.Durations(*q);
  return std::equal(pd.begin(), pd.end(), qd.begin(), qd.end(),
                    [](auto u, auto v) { return u.min == v.min && u.max == v.max; });
}

void RequireSame(const AppearanceStore& a, const AppearanceStore& b) {
  Require(a.Signature() == b.Signature(), "signatures differ");
  for (int c = 0; c < appearance::kCategoryCount; ++c) {
    const auto category = static_cast<Category>(c);
    Require(a.RecordCount(category) == b.RecordCount(category), "record counts differ");
    for (uint32_t id = 0; id < a.RecordCount(category); ++id) {
      const Record& x = *a.Find(category, static_cast<uint16_t>(id));
      const Record& y = *b.Find(category, static_cast<uint16_t>(id));
      Require(x.flags == y.flags && std::equal(std::begin(x.attributes), std::end(x.attributes),
                                               std::begin(y.attributes)),
              "flags or attributes differ");
      Require(a.Name(x) == b.Name(y), "names differ");
      for (int g = 0; g < appearance::kGroupCount; ++g) {
        Require(SameGroup(a, x.groups[g], b, y.groups[g]), "groups differ");
      }
    }
  }
}

// ---- every getter and phase -------------------------------------------------

using ValueGetter = int32_t (*)(int32_t);
using FlagTest = int32_t (*)(int32_t, int32_t);

struct Getters {
  Category category;
  FlagTest flag;
  std::initializer_list<ValueGetter> values;
};

const Getters kGetters[] = {
    {Category::Item,
     ItemHasFlag,
     {ItemAttributeA0, ItemAttributeA5, ItemAttributeA6, ItemAttributeA3, ItemAttributeA4,
      ItemAttributeA7, ItemAttributeA8, ItemAttributeA9, ItemDimension0, ItemDimension1,
      ItemDimension2, ItemDimension3, ItemDimension4, ItemDimension5, ItemDimension6,
      ItemDimension7}},
    {Category::Outfit,
     OutfitHasFlag,
     {OutfitAttributeA5, OutfitAttributeA6, OutfitAttributeA3, OutfitAttributeA4,
      OutfitDimension0, OutfitDimension1, OutfitDimension2, OutfitDimension3, OutfitDimension4,
      OutfitDimension5, OutfitDimension5Mapped, OutfitDimension7}},
    {Category::Effect,
     EffectHasFlag,
     {EffectAttributeA5, EffectAttributeA6, EffectDimension0, EffectDimension1, EffectDimension3,
      EffectDimension4, EffectDimension5, EffectDimension7}},
    {Category::Missile,
     MissileHasFlag,
     {MissileAttributeA5, MissileAttributeA6, MissileDimension0, MissileDimension1,
      MissileDimension3}},
};

// One-based coordinates around a group: the first, the last and one past.
int32_t Around(const Record* record, int dimension, int which) {
  const int32_t size = record != nullptr ? record->groups[0].dims[dimension] : 1;
  switch (which) {
    case 0: return 1;
    case 1: return size;
    default: return size + 1;
  }
}

void AskSprites(int32_t id, const Record* item, const Record* outfit, const Record* effect,
                const Record* missile) {
  for (int which = 0; which < 3; ++which) {
    const auto at = [which](const Record* r, int dimension) { return Around(r, dimension, which); };
    ItemSpriteIndexAnimated(id, at(item, 0), at(item, 1), at(item, 3), at(item, 4), at(item, 5),
                            at(item, 6));
    OutfitSpriteIndex(id, at(outfit, 0), at(outfit, 1), at(outfit, 3), at(outfit, 4),
                      at(outfit, 5), at(outfit, 7));
    EffectSpriteIndex(id, at(effect, 0), at(effect, 1), at(effect, 3), at(effect, 4),
                      at(effect, 5), at(effect, 6), at(effect, 7));
    MissileSpriteIndex(id, at(missile, 0), at(missile, 1), at(missile, 3), which * 4 - 1,
                       at(missile, 7));
  }
  ItemSpriteIndexAnimated(id, 0, -1, INT32_MAX, 1, 1, INT32_MIN);
  OutfitSpriteIndex(id, INT32_MAX, INT32_MAX, INT32_MAX, INT32_MAX, INT32_MAX, INT32_MAX);
}

class Host {
 public:
  Host() {
    simulator_.Start();
    creature_ = sim::AddressSpace::Allocate(0x100);
  }

  // Every getter and phase about `id` (its low 16 bits name the record).
  void Ask(int32_t id) {
    const AppearanceStore& store = appearance::Store();
    for (const Getters& getters : kGetters) {
      for (const int32_t flag : {-1, 0, 15, 27, 39, 63, 64}) getters.flag(id, flag);
      for (const ValueGetter getter : getters.values) getter(id);
    }
    const auto find = [&](Category c) { return store.Find(c, static_cast<uint16_t>(id)); };
    AskSprites(id, find(Category::Item), find(Category::Outfit), find(Category::Effect),
               find(Category::Missile));
    AnimatedPhaseA(id);
    const uint32_t now = ClockMillis();
    for (const uint32_t start : {now, now - 150, now + 1000, 0u}) EffectTick(id, start);
    AskCreature(static_cast<uint32_t>(id));
  }

  void AdvanceClock(uint64_t millis) { simulator_.Os().AdvanceClock(millis); }

  void Forget() {
    simulator_.Host().Draws().clear();
    simulator_.Host().HostCalls().clear();
  }

 private:
  // A creature in this outfit, mounted on the next one, standing and
  // walking, with each group selection and rider pattern.
  void AskCreature(uint32_t look) {
    namespace creature = host::creature;
    host::Write<uint32_t>(creature_ + creature::kId, look * 7);
    host::Write<uint32_t>(creature_ + creature::kLookType, look);
    for (const uint32_t mount : {0u, look + 1}) {
      host::Write<uint32_t>(creature_ + creature::kMountLookType, mount);
      for (const uint8_t walking : {0, 1}) {
        host::Write<uint8_t>(creature_ + creature::kWalking, walking);
        host::Write<uint32_t>(creature_ + creature::kWalkEndTime, ClockMillis() + 200);
        DrawCreatureWithMount(10, 20, 0, creature_);
        MountAwareFieldA(creature_);
        MountAwareFieldB(creature_);
        for (const uint8_t group : {0, 1}) {
          SpriteGroupIndex = group;
          CreatureWalkPhase(creature_);
          for (const int32_t phase : {-1, 0, 1, 2, 255, 256}) WalkPhaseClamp(creature_, phase);
        }
        ResetGroupIndex();
      }
    }
  }

  sim::Simulator simulator_;
  uint32_t creature_ = 0;
};

Host& TheHost() {
  static const std::unique_ptr<Host> host = std::make_unique<Host>();
  return *host;
}

uint32_t LargestCount(const AppearanceStore& store) {
  uint32_t largest = 0;
  for (int c = 0; c < appearance::kCategoryCount; ++c) {
    const uint32_t count = store.RecordCount(static_cast<Category>(c));
    if (count > largest) largest = count;
  }
  return largest;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  Host& host = TheHost();

  AppearanceStore fresh;
  appearance::BoundedReader freshReader(data, size);
  appearance::SeedUniformRandom(kSeed);
  const bool parsedFresh = appearance::ParseAppearances(freshReader, fresh);

  AppearanceStore& reused = appearance::Store();
  appearance::BoundedReader reusedReader(data, size);
  appearance::SeedUniformRandom(kSeed);
  const bool parsed = appearance::ParseAppearances(reusedReader, reused);

  Require(parsed == parsedFresh, "a fresh and a reused store parse differently");
  Require(parsed == reused.Loaded(), "the loaded flag does not follow the parse");
  if (!parsed) {
    Require(LargestCount(reused) == 0, "a failed parse left records behind");
  } else {
    CheckStore(fresh);
    RequireSame(fresh, reused);
  }

  // The getters answer for a failed parse too (nothing), and for ids past
  // the records, in the high bits, and at the clock's wrap.
  for (const uint64_t step : {0ull, 37ull, 1000ull}) {
    host.AdvanceClock(step);
    for (uint32_t id = 0; id <= LargestCount(reused) + 1; ++id) host.Ask(static_cast<int32_t>(id));
  }
  for (const int32_t id : {0xFFFF, 0x10064, -1}) host.Ask(id);
  SpriteGroupIndex = 0;
  OutfitPatternZ() = 1;
  host.Forget();
  return 0;
}
