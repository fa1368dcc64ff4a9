#include "web/updater/updater_window.h"

#include <algorithm>
#include <memory>
#include <vector>

#include "gui/dialog.h"
#include "gui/screen.h"
#include "gui/text_fit.h"
#include "gui/widgets.h"
#include "gui/window_sets.h"
#include "web/updater/data_files.h"
#include "web/updater/updater.h"
#include "web/updater/updater_state.h"
#include "web/updater/version_file.h"

namespace updater {
namespace {

constexpr int32_t kPlacement = 7;
constexpr int32_t kWidth = 188, kHeight = 131;
constexpr int32_t kFirstRowY = 32, kRowStep = 14;
constexpr int32_t kNameX = 18, kBarX = 80, kPercentX = 125, kStatusX = 94, kStatusY = 108;
constexpr int32_t kBarW = 90, kBarH = 11;
constexpr int32_t kNameFont = 4, kRowFont = 4, kStatusFont = 1;
// A name ends short of the bar.
constexpr int32_t kNameRoom = kBarX - kNameX - 2;
constexpr gui::Color kTextColor{180, 180, 180};
constexpr gui::Color kPercentColor{255, 255, 255};

GUI_Label* MakeLabel(int32_t x, int32_t y, const std::string& text, int32_t id, int32_t font,
                     gui::Color color, int32_t align) {
  auto* label = new GUI_Label(x, y, 0, kBarH, text, id, color.r, color.g, color.b);
  label->font = static_cast<uint8_t>(font);
  label->align = align;
  return label;
}

bool IsPending(int index) {
  const std::deque<int>& pending = Updater().pending;
  return std::find(pending.begin(), pending.end(), index) != pending.end();
}

GUI_Dialog* Window() { return UpdaterWindowIsCurrent() ? Updater().window : nullptr; }

// The login screen's dialogs are drawn after the current modal window: those
// the updater window would lie under step aside while it is open.
std::vector<GUI_Dialog*> steppedAside;

bool Overlap(const GUI_Dialog& a, const GUI_Dialog& b) {
  return a.x <= b.x + b.w && b.x <= a.x + a.w && a.y <= b.y + b.h && b.y <= a.y + a.h;
}

void StepAsideFrom(const GUI_Dialog& updater) {
  steppedAside.clear();
  for (const std::unique_ptr<GUI_Dialog>& dialog : gui::WindowList()) {
    if (!dialog->open || !Overlap(*dialog, updater)) continue;
    dialog->open = 0;
    steppedAside.push_back(dialog.get());
  }
}

// Only those still in the list: the login screen may have rebuilt them.
void ComeBack() {
  for (const std::unique_ptr<GUI_Dialog>& dialog : gui::WindowList()) {
    if (std::find(steppedAside.begin(), steppedAside.end(), dialog.get()) != steppedAside.end()) {
      dialog->open = 1;
    }
  }
  steppedAside.clear();
}

}  // namespace

void GUI_Updater::Draw() { OnUpdaterDrawn(); }

void OpenUpdaterWindow() {
  auto dialog = std::make_unique<GUI_Dialog>(0, 0, kWidth, kHeight, "Ardun Patch Updater",
                                             kPlacement);
  GUI_Dialog& d = *dialog;
  d.AddChild(new GUI_Updater());
  for (int i = 0; i < kDataFileCount; ++i) {
    const int32_t y = kFirstRowY + kRowStep * i;
    d.AddChild(MakeLabel(kNameX, y, gui::FitText(kNameFont, DisplayName(i), kNameRoom), 0,
                         kNameFont, kTextColor, 0));
    auto* bar = d.AddChild(new GUI_ProgressBar(kBarX, y, kBarW, kBarH, codes::kFirstBar + i));
    bar->fillWidth = IsPending(i) ? 0 : kBarW;
    d.AddChild(MakeLabel(kPercentX, y, IsPending(i) ? "" : "100%", codes::kFirstPercent + i,
                         kRowFont, kPercentColor, 1));
  }
  d.AddChild(MakeLabel(kStatusX, kStatusY, "Trying to connect...", codes::kStatus, kStatusFont,
                       kTextColor, 1));
  GUI_Dialog* raw = dialog.get();
  raw->onDestroyed = [](GUI_Dialog* gone) {
    if (Updater().window != gone) return;
    Updater().window = nullptr;
    ComeBack();
  };
  gui::SetModalDialog(std::move(dialog));
  Updater().window = raw;
  raw->Place(ClientWidth, ClientHeight);
  StepAsideFrom(*raw);
}

bool UpdaterWindowIsCurrent() {
  return Updater().window != nullptr && gui::ModalDialog() == Updater().window;
}

void CloseUpdaterWindow() {
  if (UpdaterWindowIsCurrent()) gui::DestroyModalDialog();
}

void ShowStatus(const std::string& text) { gui::SetLabelText(Window(), codes::kStatus, text); }

void ShowFileProgress(int index, int32_t percent) {
  GUI_Dialog* window = Window();
  if (window == nullptr) return;
  if (auto* bar = dynamic_cast<GUI_ProgressBar*>(window->FindChild(codes::kFirstBar + index))) {
    bar->fillWidth = percent * kBarW / 100;
  }
  gui::SetLabelText(window, codes::kFirstPercent + index, std::to_string(percent) + "%");
}

void ShowFileStarting(int index) {
  GUI_Dialog* window = Window();
  if (window == nullptr) return;
  // A retry keeps showing how far the broken transfer came until it passes it.
  if (auto* label = dynamic_cast<GUI_Label*>(window->FindChild(codes::kFirstPercent + index));
      label != nullptr && label->text.empty()) {
    label->SetText("0%");
  }
}

void ShowFileWaiting(int index) {
  GUI_Dialog* window = Window();
  if (window == nullptr) return;
  if (auto* bar = dynamic_cast<GUI_ProgressBar*>(window->FindChild(codes::kFirstBar + index))) {
    bar->fillWidth = 0;
  }
  gui::SetLabelText(window, codes::kFirstPercent + index, "");
}

}  // namespace updater
