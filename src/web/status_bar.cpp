#include "web/status_bar.h"

#include <algorithm>

#include "gui/draw.h"
#include "gui/screen.h"
#include "gui/text_fit.h"
#include "gui/widgets/button.h"
#include "gui/widgets/face.h"
#include "host/handlers.h"
#include "login/button_actions.h"
#include "platform/platform.h"
#include "web/endpoints.h"
#include "web/http.h"
#include "web/json_scan.h"

namespace web {

void StartStatusFetch(const std::shared_ptr<StatusCounts>& counts) {
  {
    std::lock_guard<std::mutex> guard(counts->lock);
    if (counts->running) return;
    counts->running = true;
  }
  const std::string url = CurrentEndpoints().statusDocument;
  const bool started = platform::Get().StartThread([counts, url]() -> uint32_t {
    std::string players, community;
    bool changed = false;
    try {
      const std::string document = HttpGetText(url);
      if (!document.empty()) {
        players = JsonFindValue(document, "online");
        community = JsonFindValue(document, "discord_online");
        changed = true;
      }
    } catch (...) {
      players = community = "Error";
      changed = true;
    }
    std::lock_guard<std::mutex> guard(counts->lock);
    if (changed) {
      counts->players = std::move(players);
      counts->community = std::move(community);
    }
    counts->lastFetch = ClockMillis();
    counts->running = false;
    return 0;
  });
  if (started) return;
  // No worker: this fetch is over before it began, and the next one is due
  // after the usual pause, as after a fetch that found nothing.
  std::lock_guard<std::mutex> guard(counts->lock);
  counts->lastFetch = ClockMillis();
  counts->running = false;
}

TooltipPlace PlaceStatusTooltip(int32_t mouseX, int32_t mouseY, int32_t boxWidth,
                                int32_t screenWidth, int32_t screenHeight) {
  int32_t left = mouseX - boxWidth - 2;
  if (left < 10) left = mouseX + 2;
  int32_t top = mouseY - 20;
  if (top < 10) top = mouseY + 2;
  if (left + boxWidth > screenWidth - 10) left = screenWidth - boxWidth - 10;
  if (top + kStatusTooltipHeight > screenHeight - 10) top = screenHeight - 28;
  return {std::max(left, 10), std::max(top, 10)};
}

}  // namespace web

namespace {

constexpr int32_t kFont = 1;
constexpr int32_t kButtonSize = 20;

bool Within(int32_t v, int32_t low, int32_t high) { return v >= low && v <= high; }

}  // namespace

GUI_TopStatusBar::GUI_TopStatusBar(int32_t x, int32_t y, int32_t w, int32_t h, int32_t id)
    : GUI_Element(x, y, w, h, id), counts_(std::make_shared<web::StatusCounts>()) {
  interactive = 1;
  manageAccount_ = std::make_unique<GUI_Button>(w - 134, 6, 86, 20, "Manage Account", 0);
  manageAccount_->interactive = 1;
  manageAccount_->SetHandler(&login::OnButtonAction, login::kManageAccount);
  web::StartStatusFetch(counts_);
}

GUI_TopStatusBar::~GUI_TopStatusBar() = default;

GUI_TopStatusBar::Rows GUI_TopStatusBar::RowsOf() const {
  return {y + (h - 14) / 2, y + (h - 20) / 2, y + (h - 11) / 2 + 1};
}

bool GUI_TopStatusBar::OverOptions(int32_t px, int32_t py) const {
  const int32_t top = RowsOf().button;
  return Within(px, Right() - 22, Right() - 2) && Within(py, top, top + kButtonSize);
}

bool GUI_TopStatusBar::OverExit(int32_t px, int32_t py) const {
  const int32_t top = RowsOf().button;
  return Within(px, Right(), Right() + kButtonSize) && Within(py, top, top + kButtonSize);
}

bool GUI_TopStatusBar::OverCommunity(int32_t px, int32_t py) const {
  const int32_t top = RowsOf().icon;
  return Within(px, x + 12, x + 30) && Within(py, top, top + 14);
}

bool GUI_TopStatusBar::OverManageAccount(int32_t px, int32_t py) const {
  return manageAccount_->visible != 0 && manageAccount_->Contains(px, py);
}

void GUI_TopStatusBar::Draw() {
  if (web::hooks::loginWatchdog != nullptr) web::hooks::loginWatchdog();
  std::string players, community;
  bool refresh = false;
  {
    std::lock_guard<std::mutex> guard(counts_->lock);
    players = counts_->players;
    community = counts_->community;
    refresh = ClockMillis() - counts_->lastFetch > web::kStatusRefreshMs;
  }
  if (refresh) web::StartStatusFetch(counts_);

  const Rows rows = RowsOf();
  manageAccount_->SetBounds(x + w - 130, rows.button, 86, 20);
  // However long the counts, the centre block stays clear of the button
  // area at the right (and, mirrored, of the left edge), and the community
  // count stops before the centre block.
  const int32_t centreRoom = std::max(0, w - 2 * 160);
  const std::string online = gui::FitText(kFont, players + " Players Online", centreRoom);
  const int32_t width = gui::TextWidth(kFont, online);
  const int32_t blockX = x + (w - (width + 15)) / 2;
  gui::Skin(x + 12, rows.icon, gui::kSheet, 56, 423, 18, 14);
  gui::Text(x + 34, rows.text, kFont, {100, 200, 255},
            gui::FitText(kFont, community, blockX - 8 - (x + 34)), 0);
  gui::Skin(blockX, rows.icon, gui::kSheet, 224, 257, 11, 14);
  gui::Text(blockX + 15, rows.text, kFont, gui::Grey(192), online, 0);

  if (manageAccount_->visible != 0) manageAccount_->Draw();
  gui::Fill(Right() - 22, rows.button, kButtonSize, kButtonSize, optionsPressed_ ? 310 : 309);
  gui::Fill(Right(), rows.button, kButtonSize, kButtonSize, exitPressed_ ? 335 : 334);

  if ((hoverOptions_ || hoverExit_) && ClockMillis() - hoverStart_ >= web::kStatusTooltipDelayMs) {
    tooltipVisible_ = true;
  }
  if (tooltipVisible_) DrawTooltip(hoverOptions_ ? "Open options" : "Exit game");
}

void GUI_TopStatusBar::DrawTooltip(const std::string& text) const {
  const int32_t boxW = gui::TextWidth(kFont, text) + 8;
  const int32_t boxH = web::kStatusTooltipHeight;
  const auto [left, top] = web::PlaceStatusTooltip(mouseX_, mouseY_, boxW, ClientWidth, ClientHeight);
  HostFillRectRGB(left, top, boxW, boxH, 192, 192, 192);
  gui::Bevel(left, top, boxW, boxH, gui::Grey(0), gui::Grey(0));
  gui::Text(left + 4, top + 4, kFont, gui::Grey(63), text, 0);
}

void GUI_TopStatusBar::OnMouseMove(int32_t px, int32_t py) {
  mouseX_ = px;
  mouseY_ = py;
  const bool overOptions = OverOptions(px, py);
  const bool overExit = OverExit(px, py);
  if (overOptions || overExit) {
    // Entering a button, or moving from one to the other, waits again.
    if ((overOptions && !hoverOptions_) || (overExit && !hoverExit_)) {
      hoverStart_ = ClockMillis();
      tooltipVisible_ = false;
      hoverOptions_ = overOptions;
      hoverExit_ = overExit;
    }
  } else {
    hoverStart_ = 0;
    tooltipVisible_ = false;
    hoverOptions_ = hoverExit_ = false;
  }
  if (OverManageAccount(px, py)) manageAccount_->OnMouseMove(px, py);
}

void GUI_TopStatusBar::OnMouseDown(int32_t px, int32_t py) {
  if (OverOptions(px, py)) {
    optionsPressed_ = true;
  } else if (OverExit(px, py)) {
    exitPressed_ = true;
  } else if (OverCommunity(px, py)) {
    platform::Get().ShellOpen(web::CurrentEndpoints().communityLink);
  } else if (OverManageAccount(px, py)) {
    manageAccount_->OnMouseDown(px, py);
  }
}

void GUI_TopStatusBar::OnMouseUp(int32_t px, int32_t py) {
  if (optionsPressed_) {
    optionsPressed_ = false;
    if (OverOptions(px, py)) login::OnButtonAction(login::kHostOptions, 0);
  } else if (exitPressed_) {
    exitPressed_ = false;
    if (OverExit(px, py)) login::OnButtonAction(login::kLeaveGame, 0);
  } else if (OverManageAccount(px, py) ||
             manageAccount_->pressState != gui::PressState::Idle) {
    // A press on the button released off it still ends the press, or the
    // button would stay down.
    manageAccount_->OnMouseUp(px, py);
  }
}
