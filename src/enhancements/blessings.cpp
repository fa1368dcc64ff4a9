#include "enhancements/blessings.h"

#include <bit>
#include <cstdio>

#include "enhancements/side_panel.h"
#include "host/host_functions.h"
#include "input/input_state.h"

namespace enhancements {

uint16_t BlessingMask = 0;
uint8_t BlessingState = 0;
uint8_t BlessingCount = 0;

namespace {

constexpr uint8_t kAllBlessings = 3;
constexpr uint8_t kSomeBlessings = 2;
constexpr int kBlessingsForAll = 7;
constexpr int kIndicatorRectangle = 18;  // the nineteenth
constexpr int32_t kIndicatorSize = 12;
constexpr int32_t kButtonX = 14, kButtonY = 0;

struct Indicator {
  int32_t rectX, rectY, image;
  const char* tooltip;  // a format: the count of blessings fills its %d
};

Indicator IndicatorFor(uint8_t state) {
  switch (state) {
    case kAllBlessings: return {223, 244, 319, kAllBlessingsTooltip};
    case kSomeBlessings: return {213, 232, 317, "No all blessings active: %d/7"};
    default: return {225, 232, 318, "No blessing"};
  }
}

}  // namespace

void ParseBlessingsStatus() {
  BlessingMask = HostReadU16();
  BlessingState = HostReadU8();
  BlessingCount = static_cast<uint8_t>(std::popcount(BlessingMask));
  if (BlessingCount >= kBlessingsForAll) BlessingState = kAllBlessings;
  UpdateBlessingsIndicator();
}

void UpdateBlessingsIndicator() {
  if (SidePanel == 0 || input::LayoutBlock() == 0) return;
  const Indicator indicator = IndicatorFor(BlessingState);
  input::SetLayoutRectangle(kIndicatorRectangle, indicator.rectX, indicator.rectY, kIndicatorSize,
                            kIndicatorSize);
  char tooltip[64];
  std::snprintf(tooltip, sizeof(tooltip), indicator.tooltip, BlessingCount);
  BlessingsButton =
      AddPanelButton(kButtonX, kButtonY, indicator.image, indicator.image, 0, tooltip);
}

}  // namespace enhancements
