// The server status bar across the top of the login screen: players
// online, the community chat's members online, "Manage Account", and
// buttons for the host's options and for leaving the game. Its counts come
// from the operator's status document, fetched on a worker at most every
// 30 seconds while the bar is drawn.
#pragma once

#include <cstdint>
#include <memory>
#include <mutex>
#include <string>

#include "gui/element.h"

class GUI_Button;

namespace web {

inline constexpr uint32_t kStatusRefreshMs = 30000;
inline constexpr uint32_t kStatusTooltipDelayMs = 500;
inline constexpr int32_t kStatusTooltipHeight = 18;

// Where the status bar's tooltip box (`boxWidth` wide) goes for the mouse at
// (mouseX, mouseY): left of and above the pointer, or right of / below it
// when that would come within 10 pixels of the left / top edge, pulled back
// from the right and bottom edges, and never within 10 pixels of the left
// and top edges.
struct TooltipPlace {
  int32_t left, top;
};
TooltipPlace PlaceStatusTooltip(int32_t mouseX, int32_t mouseY, int32_t boxWidth,
                                int32_t screenWidth, int32_t screenHeight);

// What a status fetch writes and the bar reads, under one lock so a frame
// never reads a half-replaced text. Shared by the bar and its workers: a
// worker still running when the bar is destroyed (the host closing) keeps
// it alive and writes into it harmlessly.
struct StatusCounts {
  std::mutex lock;
  std::string players = "...";
  std::string community = "...";
  uint32_t lastFetch = 0;  // ClockMillis when the last fetch ended
  bool running = false;    // set on the main thread before the worker starts
};

// Starts a fetch of the status document into `counts` unless one is
// running.
void StartStatusFetch(const std::shared_ptr<StatusCounts>& counts);

namespace hooks {
// The login screen's watchdog, run first on every draw of the bar.
inline void (*loginWatchdog)() = nullptr;
}  // namespace hooks

}  // namespace web

class GUI_TopStatusBar : public GUI_Element {
 public:
  GUI_TopStatusBar(int32_t x, int32_t y, int32_t w, int32_t h, int32_t id);
  ~GUI_TopStatusBar() override;

  void Draw() override;
  void OnMouseMove(int32_t px, int32_t py) override;
  void OnMouseDown(int32_t px, int32_t py) override;
  void OnMouseUp(int32_t px, int32_t py) override;

 private:
  struct Rows {
    int32_t icon;    // c14: 14-pixel pictures centred
    int32_t button;  // c20: 20-pixel buttons centred
    int32_t text;    // t: the text row
  };
  Rows RowsOf() const;
  int32_t Right() const { return x + w - 20; }
  bool OverOptions(int32_t px, int32_t py) const;
  bool OverExit(int32_t px, int32_t py) const;
  bool OverCommunity(int32_t px, int32_t py) const;
  bool OverManageAccount(int32_t px, int32_t py) const;
  void DrawTooltip(const std::string& text) const;

  std::shared_ptr<web::StatusCounts> counts_;
  std::unique_ptr<GUI_Button> manageAccount_;
  bool optionsPressed_ = false;
  bool exitPressed_ = false;
  uint32_t hoverStart_ = 0;
  bool tooltipVisible_ = false;
  bool hoverOptions_ = false;
  bool hoverExit_ = false;
  int32_t mouseX_ = 0, mouseY_ = 0;
};
