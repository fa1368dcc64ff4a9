#include "features/cyclopedia/cyclopedia.h"

#include "enhancements/commands.h"
#include "features/cyclopedia/state.h"
#include "features/cyclopedia/tracker.h"
#include "features/cyclopedia/window.h"
#include "host/frame_hooks.h"
#include "protocol/dispatcher.h"

namespace cyclopedia {
namespace {

void LeaveGame() {
  CloseCyclopedia();
  CloseTracker();
  // The tables are the character's: the next one starts from nothing.
  ResetAll();
}

}  // namespace

void Install() {
  protocol::RegisterOpcode(213, &ParseBestiaryOverview);
  protocol::RegisterOpcode(214, &ParseBestiaryCreatureList);
  protocol::RegisterOpcode(215, &ParseBestiaryDetails);
  protocol::RegisterOpcode(216, &ParseCharms);
  protocol::RegisterOpcode(217, &ParseBestiaryChanged);
  protocol::RegisterOpcode(185, &ParseTrackerList);
  protocol::RegisterOpcode(115, &ParseBosstiaryList);
  protocol::RegisterOpcode(98, &ParseBossSlots);
  protocol::RegisterOpcode(230, &ParseBosstiaryRefresh);
  enhancements::RegisterPanelCommand(enhancements::kOpenCyclopediaCommand, &OpenCyclopedia);
  enhancements::RegisterPanelCommand(enhancements::kOpenBestiaryTrackerCommand, &OpenTracker);
  InstallTracker();
  host::RegisterGameLeftReset(&LeaveGame);
}

}  // namespace cyclopedia
