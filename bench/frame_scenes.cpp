#include "bench/frame_scenes.h"

#include <cstdio>

#include "bench/server_line.h"

namespace bench {
namespace {

std::string Numbered(const char* stem, int32_t i) {
  char name[32];
  std::snprintf(name, sizeof name, "%s %05d", stem, static_cast<int>(i));
  return name;
}

// The list entries `entry(i)` for i = 0 .. up to `realistic` or, for the
// longest list, as many as fit after `headBytes` of the message.
template <typename Entry>
ServerLine Entries(bool longest, int32_t realistic, size_t headBytes, Entry entry, int32_t* count) {
  ServerLine list;
  for (int32_t i = 0; longest || i < realistic; ++i) {
    const ServerLine next = entry(i);
    if (headBytes + list.Bytes() + next.Bytes() > kMessageRoom) break;
    list.Append(next);
    *count = i + 1;
  }
  return list;
}

// ---- the windows every in-game scene has open ---------------------------------------

const char kInGame[] = R"(screen 1600 1200
start
state 8
frame
server u8 160 u32 150 u32 185 u32 100000 u64 1000000 u32 20 u32 0 u32 0 u32 0 u32 0 u32 0 u32 0 u32 0
command 1004
frame
click-on "Exp Tracker"
frame 2
click-on "Drop Tracker"
frame 2
click-on "Kill Tracker"
frame 2
wait 60000
server u8 160 u32 150 u32 185 u32 100000 u64 1004500 u32 20 u32 0 u32 0 u32 0 u32 0 u32 0 u32 0 u32 0
server u8 243 str "Rotworm" u16 26 u8 1 u8 2 u8 3 u8 4 u8 5 u8 2 u16 3031 u16 0 str "gold coin" u8 25 u16 3577 u16 0 str "meat" u8 1
server u8 243 str "Cyclops" u16 22 u8 0 u8 0 u8 0 u8 0 u8 0 u8 3 u16 3031 u16 0 str "gold coin" u8 60 u16 3410 u16 0 str "plate shield" u8 1 u16 7398 u16 0 str "cyclops toe" u8 1
server u8 243 str "Dragon" u16 34 u8 0 u8 0 u8 0 u8 0 u8 0 u8 3 u16 3031 u16 0 str "gold coin" u8 100 u16 3449 u16 0 str "burst arrow" u8 5 u16 5920 u16 0 str "green dragon scale" u8 1
server u8 243 str "Dragon Lord" u16 39 u8 0 u8 0 u8 0 u8 0 u8 0 u8 2 u16 3031 u16 0 str "gold coin" u8 150 u16 7642 u16 0 str "great health potion" u8 1
server u8 243 str "Hydra" u16 121 u8 0 u8 0 u8 0 u8 0 u8 0 u8 2 u16 3031 u16 0 str "gold coin" u8 200 u16 3061 u16 0 str "life crystal" u8 1
server u8 243 str "Ghoul" u16 18 u8 0 u8 0 u8 0 u8 0 u8 0 u8 1 u16 3031 u16 0 str "gold coin" u8 30
server u8 243 str "Demon Skeleton" u16 37 u8 0 u8 0 u8 0 u8 0 u8 0 u8 2 u16 3031 u16 0 str "gold coin" u8 80 u16 3032 u16 0 str "small emerald" u8 2
server u8 243 str "Giant Spider" u16 38 u8 0 u8 0 u8 0 u8 0 u8 0 u8 2 u16 3031 u16 0 str "gold coin" u8 120 u16 3351 u16 0 str "steel helmet" u8 1
command 1006
frame
server u8 232 u8 0 u8 2 str "Demon" u16 35 u8 10 u8 20 u8 30 u8 40 u8 3 u8 2 u16 40 u8 7 u16 5400 u16 30 u8 0 u8 0 u8 0 u64 2 u8 0 u8 0 u64 1000 u8 0 u32 1500 u8 0 u8 0
server u8 232 u8 1 u8 2 str "Grand Master Dragon Lord" u16 39 u8 0 u8 0 u8 0 u8 0 u8 0 u8 9 u16 25 u8 10 u16 60 u16 30 u8 0 u8 0 u8 0 u64 2 u8 0 u8 0 u64 1000 u8 0 u32 1500 u8 0 u8 0
server u8 232 u8 2 u8 3 u8 1 str "Dragon" u16 34 u8 0 u8 0 u8 0 u8 0 u8 0 u16 0 u8 0 u8 0 u8 0 u64 2 u8 0 u8 0 u64 1000 u8 0 u32 1500 u8 0 u8 0
server u8 231 u8 1 u16 7200
command 1015
frame
server u8 93 u8 7 u8 1 u16 0 u8 2 u16 97 u8 3 u16 98 u8 4 u16 99 u8 5 u16 3000 u8 2 u8 0 u8 1 str "Basic Frost" u16 10 u32 0 u8 0 u8 6 u16 3001 u8 3 u8 1 str "Powerful Strike" u16 11 u32 3599 u8 1 u8 1 str "Intricate Vampirism" u16 12 u32 3600 u8 0 u8 0 u8 7 u16 3002 u8 1 u8 1 str "Basic Void" u16 13 u32 10860 u8 0
command 1018
frame
server u8 185 u8 0 u8 2 u16 12 u32 30 u16 25 u16 250 u16 500 u8 0 u16 13 u32 4294967295 u16 1 u16 0 u16 3 u8 1
server u8 122 u16 12 u16 3500 u8 0 str "apple" u32 100 u32 10 u32 0 u16 3501 u8 0 str "banana" u32 101 u32 11 u32 0 u16 3502 u8 0 str "cherry" u32 102 u32 12 u32 0 u16 3503 u8 0 str "date" u32 103 u32 13 u32 0 u16 3504 u8 0 str "elderberry" u32 104 u32 14 u32 0 u16 3505 u8 0 str "fig" u32 105 u32 15 u32 0 u16 3506 u8 0 str "grape" u32 106 u32 16 u32 0 u16 3507 u8 0 str "honeydew" u32 107 u32 17 u32 0 u16 3508 u8 0 str "kiwi" u32 108 u32 18 u32 0 u16 3509 u8 0 str "lemon" u32 109 u32 19 u32 0 u16 3510 u8 0 str "mango" u32 110 u32 20 u32 0 u16 3511 u8 0 str "nectarine" u32 111 u32 21 u32 0
server u8 123 u64 100000 u8 0
frame
expect-window "Analytics Selector"
expect-window "Exp Tracker"
expect-window "Drop Tracker"
expect-window "Kill Tracker"
expect-window "Prey Creatures"
expect-window "Imbuements"
expect-window "Bestiary Tracker"
expect-window "NPC Trade"
)";

// ---- the dialogs, one in the modal slot at a time -------------------------------------

int32_t storeOffers = 0, storeHistoryRows = 0, marketOffers = 0, marketHistoryRows = 0,
        bestiaryCreatures = 0, bosstiaryBosses = 0, dialogChoices = 0;
int32_t unused = 0;  // the count of a realistic list

ServerLine StoreCategories() {
  ServerLine open(251);
  // The server's address is at most "http://127.0.0.1:65535".
  open.U8(1).U32(5000).U32(0).Raw("str \"${server}/images/store/\"", 2 + 36).U16(25).U8(0).U16(8);
  for (const char* name :
       {"Premium", "Mounts", "Outfits", "Boosts", "Houses", "Blessings", "Potions", "Extras"}) {
    open.Str(name).Str("").U8(0).U8(0).Str("");
  }
  return open;
}

ServerLine StoreOffers(bool longest) {
  ServerLine head(252);
  head.Str("Premium").U16(0);
  int32_t count = 0;
  const ServerLine list = Entries(
      longest, 12, head.Bytes(),
      [](int32_t i) {
        ServerLine offer;
        offer.U32(100 + i).Str(Numbered("Offer", i)).Str("Something for the road.").U32(250 + i);
        const uint32_t highlight = i % 4;
        offer.U8(highlight);
        if (highlight == 2) offer.U32(86400).U32(400 + i);
        return offer.U8(0).U8(0).U16(0);
      },
      &count);
  if (longest) storeOffers = count;
  ServerLine offers(252);
  offers.Str("Premium").U16(static_cast<uint32_t>(count)).Append(list);
  return offers;
}

std::string Store(bool longest) {
  return StoreCategories().Line() + StoreOffers(longest).Line() +
         "settle\nexpect-window \"Store\"\nexpect-text \"Offer 00000\"\n";
}

std::string StoreHistory(bool longest) {
  ServerLine head(253);
  head.U32(0).U32(5).U8(0);
  int32_t count = 0;
  // A page of history counts its rows in one byte.
  const ServerLine list = Entries(
      false, longest ? 255 : 16, head.Bytes(),
      [](int32_t i) {
        ServerLine row;
        return row.U32(1700000000 - 3600 * static_cast<uint32_t>(i))
            .U8(0)
            .U32(i % 3 == 0 ? 0xFFFFFF9Cu : 250u)
            .Str(Numbered("Premium Time", i));
      },
      &count);
  if (longest) storeHistoryRows = count;
  ServerLine rows(253);
  rows.U32(0).U32(5).U8(static_cast<uint32_t>(count)).Append(list);
  return StoreCategories().Line() + StoreOffers(false).Line() +
         "settle\nclick-on \"History\"\nframe\n" + rows.Line() +
         "frame\nexpect-window \"Store\"\nexpect-text \"Premium Time 00000\"\n";
}

// The appearance data's market items: forty armours in the first category.
std::string MarketItems() {
  std::string block = "appearance\nitem 3031 flag 5 market 15 3031 \"Gold Nugget\"\n";
  for (int32_t i = 0; i < 40; ++i) {
    block += "item " + std::to_string(3300 + i) + " market 1 " + std::to_string(3300 + i) + " \"" +
             Numbered("Armor", i) + "\"\n";
  }
  return block + "end\n" +
         "server u8 246 u64 1234567 u8 3 u16 2 u16 3301 u16 1 u16 3031 u16 100\nframe\n";
}

ServerLine OfferRows(bool longest, uint16_t request, bool own, bool history, int32_t* count) {
  ServerLine head(249);
  head.U16(request).U32(0).U32(0);
  const auto row = [own, history](int32_t i) {
    ServerLine offer;
    offer.U32(1700000000 + static_cast<uint32_t>(i)).U16(i % 65536);
    if (own) offer.U16(3300 + i % 40);
    offer.U16(1 + i % 100).U32(1000 + 7 * static_cast<uint32_t>(i));
    if (history) offer.U8(1 + i % 3);
    if (!own) offer.Str(Numbered("Holder", i));
    return offer;
  };
  // Both sides share the message: half of the room each.
  const size_t half = head.Bytes() + (kMessageRoom - head.Bytes()) / 2;
  int32_t buyCount = 0, sellCount = 0;
  const ServerLine buy = Entries(longest, 12, half, row, &buyCount);
  const ServerLine sell = Entries(longest, 12, half, row, &sellCount);
  *count = buyCount + sellCount;
  ServerLine offers(249);
  offers.U16(request)
      .U32(static_cast<uint32_t>(buyCount))
      .Append(buy)
      .U32(static_cast<uint32_t>(sellCount))
      .Append(sell);
  return offers;
}

std::string Market(bool longest) {
  return MarketItems() + "click-on \"Armor 00005\"\nframe\n" +
         OfferRows(longest, 3305, false, false, longest ? &marketOffers : &unused).Line() +
         "frame\nexpect-window \"Market\"\nexpect-text \"Holder 00000\"\n";
}

std::string MarketDetails(bool) {
  return MarketItems() + "click-on \"Armor 00005\"\nframe\n" +
         OfferRows(false, 3305, false, false, &unused).Line() +
         "click-on \"Details\"\nframe\n"
         "server u8 248 u16 3305 str \"12\" str \"\" str \"\" str \"\" str \"A heavy armor with a "
         "long description that does not fit on one line of the pane.\" str \"\" str \"\" str "
         "\"\" str \"\" str \"\" str \"\" str \"\" str \"\" str \"\" str \"35.00 oz\" u8 2 u32 5 "
         "u32 1000 u32 300 u32 100 u32 2 u32 600 u32 400 u32 4294967295 u8 0\n"
         "frame\nexpect-window \"Market\"\n";
}

std::string MarketHistory(bool longest) {
  return MarketItems() + "click-on \"My Offers\"\nframe\nclick-on \"History\"\nframe\n" +
         OfferRows(longest, 65535, true, true, longest ? &marketHistoryRows : &unused).Line() +
         "frame\nexpect-window \"Market\"\nexpect-text \"Armor 00000\"\n";
}

const char kBestiaryClasses[] =
    "command 1017\nframe\n"
    "server u8 213 u16 19 str \"Plant\" u16 5 u16 1 str \"Magical\" u16 1 u16 0 str \"Mammal\" "
    "u16 1 u16 0 str \"Lycanthrope\" u16 1 u16 0 str \"Fey\" u16 1 u16 0 str \"Inkborn\" u16 1 "
    "u16 0 str \"Vermin\" u16 1 u16 0 str \"Elemental\" u16 1 u16 0 str \"Undead\" u16 1 u16 0 "
    "str \"Dragon\" u16 1 u16 0 str \"Humanoid\" u16 1 u16 0 str \"Demon\" u16 1 u16 0 str "
    "\"Slime\" u16 1 u16 0 str \"Construct\" u16 1 u16 0 str \"Human\" u16 1 u16 0 str \"Bird\" "
    "u16 1 u16 0 str \"Giant\" u16 1 u16 0 str \"Reptile\" u16 1 u16 0 str \"Amphibic\" u16 1 "
    "u16 0\nframe\n";

std::string Bestiary(bool longest) {
  ServerLine head(214);
  head.Str("Plant").U16(0);
  int32_t count = 0;
  const ServerLine list = Entries(
      false, longest ? 1000 : 30, head.Bytes(),
      [](int32_t i) {
        ServerLine creature;
        creature.U16(10 + i).U8(1 + i % 4).U8(0).Str(Numbered("Creature", i)).U16(120);
        return creature.U8(0).U8(0).U8(0).U8(0).U8(0);
      },
      &count);
  if (longest) bestiaryCreatures = count;
  ServerLine creatures(214);
  creatures.Str("Plant").U16(static_cast<uint32_t>(count)).Append(list);
  return std::string(kBestiaryClasses) + "click-on \"Plant\"\nframe\n" + creatures.Line() +
         "frame\nexpect-window \"Cyclopedia\"\nexpect-text \"Creature 00000\"\n";
}

std::string Bosstiary(bool longest) {
  ServerLine head(115);
  head.U16(0);
  int32_t count = 0;
  const ServerLine list = Entries(
      false, longest ? 1000 : 40, head.Bytes(),
      [](int32_t i) {
        ServerLine boss;
        boss.U32(1 + i).U8(i % 3).U32(static_cast<uint32_t>(i * 7)).U8(0).U8(0);
        return boss.Str(Numbered("Boss", i)).U16(10).U8(0).U8(0).U8(0).U8(0).U8(0);
      },
      &count);
  if (longest) bosstiaryBosses = count;
  ServerLine bosses(115);
  bosses.U16(static_cast<uint32_t>(count)).Append(list);
  return "command 1017\nframe\nclick-on \"Bosstiary\"\nframe\n" + bosses.Line() +
         "frame\nexpect-window \"Cyclopedia\"\nexpect-text \"Boss 00000\"\n";
}

std::string Charms(bool) {
  return "command 1017\nframe\nclick-on \"Charms\"\nframe\n"
         "server u8 216 u32 500 u8 4 u8 1 str \"Gash\" str \"Deals physical damage.\" u8 0 u16 "
         "500 u8 0 u8 0 u8 2 str \"Scorch\" str \"Burns.\" u8 0 u16 501 u8 0 u8 0 u8 3 str "
         "\"Sidestep\" str \"Dodges an attack.\" u8 0 u16 100 u8 1 u8 1 u16 22 u32 50000 u8 4 str "
         "\"Spark\" str \"Deals energy damage.\" u8 0 u16 200 u8 1 u8 0 u8 7 u16 2 u16 21 u16 "
         "22\nframe\nexpect-window \"Cyclopedia\"\n";
}

std::string BossSlots(bool) {
  return "command 1017\nframe\n"
         "server u8 230 u32 123456\n"
         "server u8 185 u8 1 u8 1 u16 1 u32 3 u16 1 u16 3 u16 5 u8 0\n"
         "click-on \"Boss Slots\"\nframe\nexpect-window \"Cyclopedia\"\n";
}

std::string Forge(bool) {
  return "server u8 206\nframe\n"
         "server u8 204 u64 1234567890 u32 5 u16 3 u16 3301 u16 501 str \"Crystal Blade\" u8 4 "
         "u8 3 u16 2 u16 3302 u16 502 str \"Old Shield\" u8 10 u8 4 u16 2 u16 3303 u16 503 str "
         "\"Lone Ring\" u8 0 u8 4 u16 1\nframe\nexpect-window \"Exaltation Forge\"\n";
}

std::string Prey(bool) { return "command 1005\nframe\nexpect-window \"Prey System\"\n"; }

std::string Imbue(bool) {
  return "server u8 238 u8 0 u64 1234567\n"
         "server u8 235 u16 3264 u8 1 u8 0 u16 2 u32 3 str \"Basic Vampirism\" str \"Converts 5% "
         "of the damage dealt to life.\" str \"Life Leech\" u16 1 u32 72000 u8 0 u8 1 u16 9685 "
         "str \"Vampire Teeth\" u16 25 u32 15000 u8 90 u32 10000 u32 1 str \"Basic Strike\" str "
         "\"Raises the critical hit chance by 5% and its damage by 15%.\" str \"Critical Hit\" "
         "u16 2 u32 72000 u8 0 u8 1 u16 11444 str \"Protective Charm\" u16 20 u32 7500 u8 69 u32 "
         "12000 u32 1 u16 11444 u16 3\nframe\nexpect-window \"Imbue Item\"\n";
}

std::string Outfits(bool) {
  return "server u8 200 u16 128 u8 78 u8 69 u8 58 u8 76 u8 1 u16 0 u8 3 u16 128 str "
         "\"Citizen\" u8 3 u16 129 str \"Hunter\" u8 2 u16 130 str \"Mage\" u8 0 u8 2 u16 368 "
         "str \"Widow Queen\" u16 369 str \"Racing Bird\"\nframe\n"
         "expect-window \"Customise Character\"\n";
}

std::string ServerDialog(bool longest) {
  ServerLine head(250);
  head.U32(9).Str("Travel").Str("Where to?").U8(2).Str("Go").U8(1).Str("Stay").U8(2).U8(0);
  int32_t count = 0;
  const ServerLine list = Entries(
      false, longest ? 255 : 6, head.Bytes(),
      [](int32_t i) {
        ServerLine choice;
        return choice.Str(Numbered("Destination", i)).U8(i);
      },
      &count);
  if (longest) dialogChoices = count;
  ServerLine dialog(250);
  dialog.U32(9)
      .Str("Travel")
      .Str("Where to?")
      .U8(2)
      .Str("Go")
      .U8(1)
      .Str("Stay")
      .U8(2)
      .U8(static_cast<uint32_t>(count))
      .Append(list)
      .U8(1)
      .U8(0)
      .U8(0);
  return dialog.Line() + "frame\nexpect-window \"Travel\"\nexpect-text \"Destination 00000\"\n";
}

std::string Hotkeys(bool) {
  return "file appdata:Quorlan/Ardun.cfg\nFullscreen = no\n"
         "Hotkey = (0,\"heal friend\\n\",0,0,0)\nHotkey = (13,\"\",3160,0,1)\nend\n"
         "command 1014\nframe\nexpect-window \"Hotkey Options\"\n";
}

// ---- the login screen ---------------------------------------------------------------

std::string Login(bool) {
  return R"(file user:Quorlan/Chars.acc "alice\r\npw1\r\nbob\r\npw2\r\ncarol\r\npw3\r\n"
http /api/status.php 200 "{\"online\":120,\"showoff\":{\"id\":7,\"description\":\"<p>Patch notes</p>New hunting grounds open in the north.<br />Double loot this weekend.<br>See you there!\"},\"eventschedule\":{\"eventlist\":[{\"name\":\"Double XP\",\"description\":\"Twice the experience\",\"startdate\":1699990000,\"enddate\":1700090000},{\"name\":\"Rapid Respawn\",\"description\":\"Faster\",\"startdate\":1700000001,\"enddate\":1700100000}]},\"boostedcreature\":{\"creature\":{\"type\":1,\"head\":78,\"body\":69,\"legs\":58,\"feet\":76,\"addons\":0,\"name\":\"Rat\",\"percent\":50},\"boss\":{\"name\":\"Ferumbras\",\"percent\":25}}}"
screen 1600 1200
start
settle
frame
click-on "Saved Accounts"
frame 2
expect-window "Saved Accounts"
expect-text "Latest News"
)";
}

}  // namespace

const std::vector<Scene>& Scenes() {
  static const std::vector<Scene> scenes = [] {
    // The longest lists are built once first, so each scene knows its count.
    StoreOffers(true);
    StoreHistory(true);
    Market(true);
    MarketHistory(true);
    Bestiary(true);
    Bosstiary(true);
    ServerDialog(true);
    return std::vector<Scene>{
        {"login", false, &Login, 0},
        {"store", true, &Store, storeOffers},
        {"store_history", true, &StoreHistory, storeHistoryRows},
        {"market", true, &Market, marketOffers},
        {"market_details", true, &MarketDetails, 0},
        {"market_history", true, &MarketHistory, marketHistoryRows},
        {"bestiary", true, &Bestiary, bestiaryCreatures},
        {"bosstiary", true, &Bosstiary, bosstiaryBosses},
        {"charms", true, &Charms, 0},
        {"boss_slots", true, &BossSlots, 0},
        {"forge", true, &Forge, 0},
        {"prey", true, &Prey, 0},
        {"imbue", true, &Imbue, 0},
        {"outfits", true, &Outfits, 0},
        {"server_dialog", true, &ServerDialog, dialogChoices},
        {"hotkeys", true, &Hotkeys, 0},
    };
  }();
  return scenes;
}

std::string SceneScript(const Scene& scene, bool longest) {
  return (scene.inGame ? std::string(kInGame) : std::string()) + scene.dialog(longest);
}

}  // namespace bench
