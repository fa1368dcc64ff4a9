#include "features/prey/tracker.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <string>

#include "features/prey/requests.h"
#include "features/prey/rules.h"
#include "features/prey/state.h"
#include "features/prey/window.h"
#include "gui/draw.h"
#include "gui/outfit_picture.h"
#include "gui/text_fit.h"
#include "gui/time_bar.h"
#include "gui/widgets/face.h"
#include "gui/window.h"
#include "gui/window_sets.h"
#include "host/task_queue.h"

namespace {

constexpr int32_t kWindowW = 172, kWindowH = 170;
constexpr int32_t kWindowTag = 12;
constexpr int32_t kCloseCode = 4200, kMinimizeCode = 4201;
constexpr int32_t kFirstSlotId = 4210;
constexpr int32_t kSlotX = 5, kFirstSlotY = 25;

// Slots stand 45 pixels apart but are 50 high: each draws, and shows its
// tooltip, only in its own 45-pixel band, so neither the drawing order nor
// the pointer in the shared strip decides which row is seen.
constexpr int32_t kPitch = 45;
constexpr int32_t kRowH = kPitch - 1;

constexpr uint32_t kTooltipDelayMs = 500;

// Inside a row, relative to its top left.
constexpr int32_t kPictureX = 2, kPictureY = 2, kPictureSize = 40;
constexpr int32_t kTextX = 48, kNameY = 6, kTimeY = 25;
constexpr int32_t kBarY = 26, kBarH = 10, kBarGap = 5, kMinBarW = 20;
constexpr int32_t kRightMargin = 4;
constexpr int32_t kFont = 1;

constexpr gui::Color kNameColor{174, 174, 174};
constexpr gui::Color kDimColor{130, 130, 130};

const char* const kInactiveTooltip =
    "Inactive Prey Slot\nClick in this window to open the prey dialog.";

// A window closed by its own button is destroyed at the next frame, never
// while one of its operations runs. The number tells a close that was asked
// for a window since replaced by a new one.
uint32_t trackerGeneration = 0;

void DestroyLaterTask(void* generation, void*) {
  if (reinterpret_cast<uintptr_t>(generation) == trackerGeneration) prey::CloseTracker();
}

void OnTrackerCode(int32_t code, int32_t value) {
  if (code == kCloseCode) {
    PostToMainThread(&DestroyLaterTask, reinterpret_cast<void*>(uintptr_t{trackerGeneration}),
                     nullptr);
  }
  // Minimising needs nothing beyond what the window does itself.
}

GUI_Window* BuildTracker() {
  auto* window = new GUI_Window(0, 0, kWindowW, kWindowH, "Prey Creatures", kWindowTag, true);
  window->SetCloseHandler(&OnTrackerCode, kCloseCode);
  window->SetMinimizeHandler(&OnTrackerCode, kMinimizeCode);
  // The rows fill the window: its bottom edge does not resize it.
  window->SetMinHeight(kWindowH);
  window->SetMaxHeight(kWindowH);
  for (size_t slot = 0; slot < prey::kSlotCount; ++slot) {
    const auto index = static_cast<int32_t>(slot);
    window->AddChild(
        new GUI_PreyTrackerSlot(kSlotX, kFirstSlotY + kPitch * index, slot, kFirstSlotId + index));
  }
  window->SetFocus(nullptr);
  ++trackerGeneration;
  return window;
}

std::string TooltipOf(const prey::PreySlot& record) {
  if (!record.Active()) return kInactiveTooltip;
  char value[32];
  std::snprintf(value, sizeof(value), "Value: %u/10", unsigned{record.bonusGrade});
  return "Creature: " + record.creatureName + "\nDuration: " + prey::TimeLeftText(record.timeLeft) +
         "\n" + value + "\nType: " + prey::BonusName(record.bonusType);
}

}  // namespace

// ---- one row ----------------------------------------------------------------------------

GUI_PreyTrackerSlot::GUI_PreyTrackerSlot(int32_t x, int32_t y, size_t slot, int32_t id)
    : GUI_Element(x, y, kWidth, kHeight, id), slot(slot) {
  interactive = 1;
}

bool GUI_PreyTrackerSlot::InBand(int32_t px, int32_t py) const {
  return px >= x && px <= x + w && py >= y && py < y + kPitch;
}

void GUI_PreyTrackerSlot::Draw() {
  const prey::PreySlot& record = prey::Slots()[slot];
  HostFillRectRGB(x, y, w, kRowH, 32, 32, 32);
  gui::Bevel(x, y, w, kRowH, gui::Grey(20), gui::Grey(90));
  HostFillRectRGB(x + kPictureX, y + kPictureY, kPictureSize, kPictureSize, 20, 20, 20);
  const std::string time = prey::TimeLeftText(record.Active() ? record.timeLeft : 0);
  const int32_t timeW = gui::TextWidth(kFont, time);
  const int32_t textRoom = w - kTextX - kRightMargin;
  if (!record.Active()) {
    gui::Text(x + kTextX, y + kNameY, kFont, kDimColor, "Inactive", 0);
    gui::Text(x + kTextX, y + kTimeY, kFont, kDimColor, time, 0);
  } else {
    gui::DrawOutfitPicture(record.outfit, x + kPictureX, y + kPictureY, kPictureSize);
    gui::Text(x + kTextX, y + kNameY, kFont, kNameColor,
              gui::FitText(kFont, record.creatureName, textRoom), 0);
    // The bar takes what the time text leaves, when that is worth a bar.
    const int32_t barW = textRoom - timeW - kBarGap;
    int32_t timeX = x + kTextX;
    if (barW >= kMinBarW) {
      gui::DrawTimeBar(x + kTextX, y + kBarY, barW, kBarH, prey::TimeBarValue(record.timeLeft));
      timeX += barW + kBarGap;
    }
    gui::Text(timeX, y + kTimeY, kFont, kNameColor, time, 0);
  }
  // A tooltip goes over every row: in the tracker, the row drawn last draws
  // the one that is due.
  const GUI_Window* window = prey::TrackerWindow;
  const bool inTracker =
      window != nullptr && std::any_of(window->children.begin(), window->children.end(),
                                       [this](const auto& child) { return child.get() == this; });
  if (!inTracker) {
    DrawDueTooltip();
  } else if (window->children.back().get() == this) {
    for (const auto& child : window->children) {
      if (const auto* row = dynamic_cast<const GUI_PreyTrackerSlot*>(child.get())) {
        row->DrawDueTooltip();
      }
    }
  }
}

void GUI_PreyTrackerSlot::DrawDueTooltip() const {
  if (!hover.Due(kTooltipDelayMs)) return;
  gui::DrawTooltipOnTop(hover.mouseX, hover.mouseY, TooltipOf(prey::Slots()[slot]));
}

void GUI_PreyTrackerSlot::OnMouseDown(int32_t px, int32_t py) { armed_ = Contains(px, py); }

// Every row does the same on a click, so a press in the strip two rows
// share counts for whichever of them took it.
void GUI_PreyTrackerSlot::OnMouseUp(int32_t px, int32_t py) {
  const bool clicked = armed_ && Contains(px, py);
  armed_ = false;
  if (clicked && !prey::PreyWindowIsCurrent()) prey::OpenPreyWindow();
}

void GUI_PreyTrackerSlot::OnMouseMove(int32_t px, int32_t py) {
  hover.Track(InBand(px, py), px, py);
}

// ---- the window -------------------------------------------------------------------------

namespace prey {

GUI_Window* TrackerWindow = nullptr;

void ToggleTracker() {
  if (TrackerWindow == nullptr) {
    RequestPreyData();
    TrackerWindow = BuildTracker();
    return;
  }
  TrackerWindow->open = TrackerWindow->open ? 0 : 1;
}

void CloseTracker() {
  GUI_Window* window = TrackerWindow;
  if (window == nullptr) return;
  TrackerWindow = nullptr;
  window->Destroy();
  delete window;
}

void InstallTracker() { gui::RegisterSingleton(gui::Singleton::PreyTracker, &TrackerWindow); }

}  // namespace prey
