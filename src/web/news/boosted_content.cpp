#include "web/news/boosted_content.h"

#include <algorithm>
#include <cstdio>

#include "gui/draw.h"
#include "gui/outfit_picture.h"
#include "gui/text_fit.h"
#include "gui/widgets/face.h"
#include "host/handlers.h"
#include "platform/platform.h"
#include "web/endpoints.h"

namespace news {

std::string CreatureTooltip(const BoostedRecords& records) {
  std::string text = "Today's boosted creatures:\n";
  char line[512];
  const auto add = [&](const char* format, const BoostedRecord& r) {
    std::snprintf(line, sizeof(line), format, r.percent, r.name.c_str());
    text.append("\n").append(line);
  };
  if (!records[kCreature].name.empty()) add("Experience Boost (%d%%): %s", records[kCreature]);
  const auto boost = [](const BoostedRecord& r) { return !r.name.empty() && !r.HasOutfit(); };
  if (boost(records[kLoot])) add("Quorlan Token Drop (%d%%): %s", records[kLoot]);
  if (boost(records[kRespawn])) add("Respawn Boost (%d%%): %s", records[kRespawn]);
  return text + "\n\nClick here to check all the details on website.";
}

std::string BossTooltip(const BoostedRecord& boss) {
  return "Today's boosted boss: " + boss.name + "\n\nBoosted bosses have " +
         std::to_string(boss.percent) + "% more loot chance.\n\nClick here to check all the " +
         "details on website.";
}

int32_t BoostedPictureSize(int32_t tilesW, int32_t tilesH) {
  if (tilesW == 1 && tilesH == 1) return 40;
  return std::min(64, std::max(tilesW, tilesH) * 32);
}

}  // namespace news

namespace {

using news::BoostedSlot;

constexpr int32_t kFont = 4;
constexpr int32_t kAreaWidth = 64;
constexpr int32_t kClickHeight = 84;
// Shown once the pointer has rested 500 ms (Due counts strictly longer).
constexpr uint32_t kTooltipDelayMs = 500;
// Names in the tooltip are the server's; one too long for the screen is cut.
constexpr int32_t kTooltipRoom = 400;

// Outfit types are 16-bit appearance ids; a larger one names no outfit the
// data can draw.
bool Drawable(int32_t type) { return type > 0 && type <= 0xFFFF; }

}  // namespace

GUI_BoostedContent::GUI_BoostedContent(int32_t x, int32_t y, int32_t w, int32_t h, int32_t id)
    : GUI_Element(x, y, w, h, id) {
  interactive = 1;
}

void GUI_BoostedContent::SetRecords(const news::BoostedRecords& records) {
  records_ = records;
  // An area counts only while its record has an outfit.
  if ((hover_ == Hover::Creature && !records_[news::kCreature].HasOutfit()) ||
      (hover_ == Hover::Boss && !records_[news::kBoss].HasOutfit())) {
    hover_ = Hover::None;
    timer_.Leave();
  }
}

GUI_BoostedContent::Picture GUI_BoostedContent::PictureOf(BoostedSlot slot) const {
  const news::BoostedRecord& r = records_[slot];
  const int32_t centre = slot == news::kCreature ? x + w / 4 : x + 3 * w / 4 - 10;
  int32_t size = 0;
  if (Drawable(r.type)) size = news::BoostedPictureSize(OutfitDimension0(r.type), OutfitDimension1(r.type));
  return {centre - size / 2, y + 64 - size, size, centre};
}

GUI_BoostedContent::Hover GUI_BoostedContent::AreaAt(int32_t px, int32_t py) const {
  if (py < y || py > y + h) return Hover::None;
  const auto within = [&](int32_t middle) {
    return px >= middle - 32 && px <= middle - 32 + kAreaWidth;
  };
  if (records_[news::kCreature].HasOutfit() && within(x + w / 4)) return Hover::Creature;
  if (records_[news::kBoss].HasOutfit() && within(x + 3 * w / 4)) return Hover::Boss;
  return Hover::None;
}

void GUI_BoostedContent::DrawOne(BoostedSlot slot, const char* caption) const {
  const news::BoostedRecord& r = records_[slot];
  const Picture p = PictureOf(slot);
  if (!r.HasOutfit()) {
    gui::Text(p.centre, y + 32, kFont, gui::Grey(180), "None", 1);
    return;
  }
  if (Drawable(r.type)) {
    gui::Outfit outfit;
    outfit.lookType = static_cast<uint16_t>(r.type);
    outfit.head = r.head;
    outfit.body = r.body;
    outfit.legs = r.legs;
    outfit.feet = r.feet;
    outfit.addons = r.addons;
    gui::DrawOutfitPicture(outfit, p.left, p.top, p.size);
  }
  gui::Text(p.centre, y + 79, kFont, gui::Grey(190), caption, 1);
}

void GUI_BoostedContent::Draw() {
  DrawOne(news::kCreature, "Creatures");
  DrawOne(news::kBoss, "Boss");
  if (hover_ == Hover::None || !timer_.Due(kTooltipDelayMs - 1)) return;
  std::string text = hover_ == Hover::Creature ? news::CreatureTooltip(records_)
                                               : news::BossTooltip(records_[news::kBoss]);
  std::string fitted;
  for (size_t start = 0; start <= text.size();) {
    size_t end = text.find('\n', start);
    if (end == std::string::npos) end = text.size();
    if (start > 0) fitted.push_back('\n');
    fitted += gui::FitText(1, text.substr(start, end - start), kTooltipRoom);
    start = end + 1;
  }
  gui::DrawTooltipOnTop(timer_.mouseX, timer_.mouseY, fitted);
}

void GUI_BoostedContent::OnMouseMove(int32_t px, int32_t py) {
  const Hover area = AreaAt(px, py);
  // Entering an area (or going from one to the other) starts its time.
  if (area != hover_) timer_.Leave();
  hover_ = area;
  timer_.Track(area != Hover::None, px, py);
}

void GUI_BoostedContent::OnMouseDown(int32_t px, int32_t py) {
  for (const BoostedSlot slot : {news::kCreature, news::kBoss}) {
    if (!records_[slot].HasOutfit()) continue;
    const Picture p = PictureOf(slot);
    const int32_t left = p.centre - (p.size > 0 ? p.size : kAreaWidth) / 2;
    if (px >= left && px <= left + kAreaWidth && py >= y && py <= y + kClickHeight) {
      platform::Get().ShellOpen(web::CurrentEndpoints().webSite + "?subtopic=boosted_creature");
      return;
    }
  }
}
