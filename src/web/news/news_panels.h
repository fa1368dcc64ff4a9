// The login screen's three information panels ("Latest News", "Event
// Schedule", "Boosted") and the fetch of the status document that fills
// them.
#pragma once

#include <cstdint>

#include "web/news/records.h"

namespace news {

inline constexpr int32_t kNewsContentId = 701;
inline constexpr int32_t kEventScheduleContentId = 810;
inline constexpr int32_t kBoostedContentId = 820;

inline constexpr char kFailedText[] = "Failed to load news";
inline constexpr char kNoNewsText[] = "No news available";

// Creates the three panels once, in the login screen's window list, and
// starts the first fetch.
void CreateNewsPanels();

// Hands one fetch's result to the panels (main thread). `failed`: the
// worker could not finish, and the news panel says so.
void ShowOnPanels(const StatusNews& result, bool failed);

// The news panel's text for a result.
const char* NewsPanelText(const StatusNews& result, bool failed);

// Wires the panels into the login screen and the frame's game-state watch.
// Called once at attach.
void Install();

}  // namespace news
