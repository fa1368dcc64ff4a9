#include "web/news/news_panels.h"

#include <memory>

#include "gui/dialog.h"
#include "gui/screen.h"
#include "gui/window_sets.h"
#include "host/frame_hooks.h"
#include "host/host_functions.h"
#include "login/login_screen.h"
#include "web/news/boosted_content.h"
#include "web/news/event_schedule_content.h"
#include "web/news/news_content.h"
#include "web/news/news_fetch.h"

namespace news {
namespace {

// Placement kinds of the three panels along the bottom of the login screen.
constexpr int32_t kNewsKind = 2;
constexpr int32_t kEventScheduleKind = 3;
constexpr int32_t kBoostedKind = 4;

struct Panels {
  GUI_Dialog* news = nullptr;
  GUI_Dialog* events = nullptr;
  GUI_Dialog* boosted = nullptr;
  bool created = false;
};

Panels& State() {
  static Panels panels;
  return panels;
}

void Forget(GUI_Dialog* dialog) {
  Panels& p = State();
  if (p.news == dialog) p.news = nullptr;
  if (p.events == dialog) p.events = nullptr;
  if (p.boosted == dialog) p.boosted = nullptr;
}

GUI_Dialog* CreatePanel(int32_t dx, int32_t w, const char* title, int32_t kind,
                        GUI_Element* content) {
  auto dialog = std::make_unique<GUI_Dialog>((ClientWidth - 800) / 2 + dx, ClientHeight - 114, w,
                                             110, title, kind);
  dialog->AddChild(content);
  dialog->SetFocus(nullptr);
  dialog->onDestroyed = &Forget;
  return gui::AppendToWindowList(std::move(dialog));
}

template <typename T>
T* ContentOf(GUI_Dialog* dialog, int32_t id) {
  return gui::ChildAs<T>(dialog, id);
}

// The host went back to the login screen (state 0) or to the character
// list (state 1) from the game: the panels fetch again. This runs after the
// frame's tasks, so the result shows from the next frame on.
void OnScreenSwitch(bool inGame) {
  const int32_t state = HostGameState();
  if (!inGame && State().created && (state == 0 || state == 1)) StartNewsFetch();
}

}  // namespace

const char* NewsPanelText(const StatusNews& result, bool failed) {
  if (failed) return kFailedText;
  return result.text.empty() ? kNoNewsText : result.text.c_str();
}

void CreateNewsPanels() {
  Panels& p = State();
  if (p.created) return;
  p.created = true;
  p.news = CreatePanel(-3, 452, "Latest News", kNewsKind,
                       new GUI_NewsContent(4, 17, 448, 93, kNewsContentId));
  p.events = CreatePanel(453, 170, "Event Schedule", kEventScheduleKind,
                         new GUI_EventScheduleContent(2, 17, 168, 93, kEventScheduleContentId));
  p.boosted = CreatePanel(627, 170, "Boosted", kBoostedKind,
                          new GUI_BoostedContent(4, 17, 162, 89, kBoostedContentId));
  StartNewsFetch();
}

void ShowOnPanels(const StatusNews& result, bool failed) {
  const Panels& p = State();
  if (auto* content = ContentOf<GUI_NewsContent>(p.news, kNewsContentId)) {
    content->SetText(NewsPanelText(result, failed));
  }
  if (auto* content = ContentOf<GUI_BoostedContent>(p.boosted, kBoostedContentId)) {
    content->SetRecords(result.boosted);
  }
  if (auto* content =
          ContentOf<GUI_EventScheduleContent>(p.events, kEventScheduleContentId)) {
    content->SetEvents(result.events);
  }
}

void Install() {
  login::hooks::createInformationPanels = &CreateNewsPanels;
  host::RegisterScreenSwitchHook(&OnScreenSwitch);
}

}  // namespace news
