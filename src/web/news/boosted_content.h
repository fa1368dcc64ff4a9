// The "Boosted" panel's content: today's boosted creature and boss as
// outfit pictures, their tooltips, and a click that opens the boosted page.
#pragma once

#include "gui/element.h"
#include "gui/tooltip.h"
#include "web/news/records.h"

class GUI_BoostedContent : public GUI_Element {
 public:
  GUI_BoostedContent(int32_t x, int32_t y, int32_t w, int32_t h, int32_t id);

  void SetRecords(const news::BoostedRecords& records);
  const news::BoostedRecords& Records() const { return records_; }

  void Draw() override;
  void OnMouseMove(int32_t px, int32_t py) override;
  void OnMouseDown(int32_t px, int32_t py) override;

 private:
  enum class Hover { None, Creature, Boss };
  struct Picture {
    int32_t left, top, size, centre;
  };
  Picture PictureOf(news::BoostedSlot slot) const;
  Hover AreaAt(int32_t px, int32_t py) const;
  void DrawOne(news::BoostedSlot slot, const char* caption) const;

  news::BoostedRecords records_;
  Hover hover_ = Hover::None;
  gui::HoverTimer timer_;
};

namespace news {
// The two tooltips' texts, one line per '\n'.
std::string CreatureTooltip(const BoostedRecords& records);
std::string BossTooltip(const BoostedRecord& boss);
// The side of an outfit picture: 40 for one tile, else 32 per tile of the
// larger direction, at most 64.
int32_t BoostedPictureSize(int32_t tilesW, int32_t tilesH);
}  // namespace news
