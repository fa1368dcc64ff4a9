// Auto-repeat of keys that a library window took: the window procedure puts
// keys into KeyRepeatMap, OnFrameTick re-sends them while they are held.
#pragma once

#include <cstdint>
#include <map>

// The host's main window (0 until OnCreateWindow saw it).
extern uintptr_t MainWindow;

namespace host {

struct KeyRepeat {
  uint32_t lastFired = 0;  // ClockMillis of the last press or repeat
  int remaining = 0;       // repeats left
};

inline constexpr uint32_t kKeyRepeatIntervalMs = 250;
inline constexpr int kKeyRepeatCount = 2;
inline constexpr intptr_t kRepeatKeyLParam = 0x414D0001;  // bit 30: a repeat

// Ordered by virtual-key code.
std::map<int, KeyRepeat>& KeyRepeatMap();

// Step 1 of OnFrameTick: for each entry at least 250 ms old, re-send
// WM_KEYDOWN to MainWindow while the key is down and repeats remain, else
// forget the key.
void RunKeyRepeat(uint32_t now);

}  // namespace host
