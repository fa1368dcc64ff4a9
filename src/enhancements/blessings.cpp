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
};

Indicator IndicatorFor(uint8_t state) {
  switch (state) {
    case kAllBlessings: return {223, 244, 319};
    case kSomeBlessings: return {213, 232, 317};
    default: return {225, 232, 318};
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
  const uint32_t block = input::LayoutBlock();
  if (SidePanel == 0 || block == 0) return;
  const Indicator indicator = IndicatorFor(BlessingState);
  input::SetLayoutRectangle(kIndicatorRectangle, indicator.rectX, indicator.rectY, kIndicatorSize,
                            kIndicatorSize);
  char tooltip[64];
  switch (BlessingState) {
    case kAllBlessings:
      std::snprintf(tooltip, sizeof(tooltip), "%s",
                    "All blessings active: 7/7 (5 regular + 2 extra blessings)");
      break;
    case kSomeBlessings:
      std::snprintf(tooltip, sizeof(tooltip), "No all blessings active: %d/7", BlessingCount);
      break;
    default:
      std::snprintf(tooltip, sizeof(tooltip), "%s", "No blessing");
      break;
  }
  BlessingsButton =
      AddPanelButton(kButtonX, kButtonY, indicator.image, indicator.image, 0, tooltip);
}

}  // namespace enhancements
