// The window manager's sets: the eight singleton feature windows, the modal
// slot (the current dialog and one set-aside dialog), and the login dialog
// list. The frame hooks draw them; the window procedure offers them input.
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <vector>

class GUI_Dialog;
class GUI_Window;

namespace gui {

// The singletons in their draw order.
enum class Singleton : uint8_t {
  AnalyticsSelector,  // "Analytics Selector"
  ExpTracker,         // "Exp Tracker"
  DropTracker,        // "Drop Tracker"
  KillTracker,        // "Kill Tracker"
  PreyTracker,        // "Prey Creatures"
  BestiaryTracker,    // "Bestiary Tracker"
  NpcTrade,           // "NPC Trade"
  ImbuementTracker,   // "Imbuements"
};
inline constexpr int kSingletonCount = 8;

// Input is offered in another order: the kill, drop and exp trackers and
// the selector are tried in reverse, the rest in draw order.
inline constexpr std::array<Singleton, kSingletonCount> kSingletonInputOrder = {
    Singleton::KillTracker,     Singleton::DropTracker,     Singleton::ExpTracker,
    Singleton::AnalyticsSelector, Singleton::PreyTracker,   Singleton::BestiaryTracker,
    Singleton::NpcTrade,        Singleton::ImbuementTracker};

// A feature tells where its window pointer lives (null = closed).
void RegisterSingleton(Singleton which, GUI_Window** slot);
GUI_Window* SingletonWindow(Singleton which);
// Draws every existing, open singleton in draw order.
void DrawSingletons();

// ---- the modal slot ------------------------------------------------------------------
GUI_Dialog* ModalDialog();
GUI_Dialog* SetAsideDialog();
// Makes `dialog` the current modal dialog, destroying the one it replaces.
void SetModalDialog(std::unique_ptr<GUI_Dialog> dialog);
// Makes `dialog` current and keeps the old current one set aside (any
// dialog set aside before is destroyed).
void StackModalDialog(std::unique_ptr<GUI_Dialog> dialog);
// Destroys the current dialog; the set-aside one stays set aside.
void DestroyModalDialog();
// Destroys the current dialog and makes the set-aside one current again.
// Returns the restored dialog or none.
GUI_Dialog* RestoreSetAsideDialog();
void DestroySetAsideDialog();
// Draws the current dialog; answers whether there was one.
bool DrawModalDialog();

// ---- the login dialog list ------------------------------------------------------------
std::vector<std::unique_ptr<GUI_Dialog>>& WindowList();
GUI_Dialog* AppendToWindowList(std::unique_ptr<GUI_Dialog> dialog);
void RemoveFromWindowList(GUI_Dialog* dialog);  // destroys it
void DestroyWindowList();
void DrawWindowList();
// The first open dialog of that placement kind in the list, or none.
GUI_Dialog* FirstOpenDialogOfKind(int32_t kind);
// The same, open or hidden.
GUI_Dialog* FirstDialogOfKind(int32_t kind);

// Hooks the sets into the frame (modal slot and singletons in the tick, the
// login list after the host frame). Called once at attach.
void InstallWindowSets();

}  // namespace gui
