#include "host/key_repeat.h"

#include <vector>

#include "platform/platform.h"

uintptr_t MainWindow = 0;

namespace host {

std::map<int, KeyRepeat>& KeyRepeatMap() {
  static std::map<int, KeyRepeat> map;
  return map;
}

void RunKeyRepeat(uint32_t now) {
  constexpr uint32_t kWmKeyDown = 0x100;
  auto& map = KeyRepeatMap();
  // Sending WM_KEYDOWN re-enters the window procedure, which may change the
  // map (a key-up, a window closing): walk a snapshot of the keys and look
  // each one up again before touching it.
  std::vector<int> keys;
  keys.reserve(map.size());
  for (const auto& [key, entry] : map) keys.push_back(key);

  platform::Platform& os = platform::Get();
  for (int key : keys) {
    auto it = map.find(key);
    if (it == map.end()) continue;
    if (now - it->second.lastFired < kKeyRepeatIntervalMs) continue;
    it->second.lastFired = now;
    const bool held = (os.KeyState(key) & 0x8000) != 0;
    if (it->second.remaining > 0 && held) {
      it->second.remaining--;
      os.SendWindowMessage(MainWindow, kWmKeyDown, static_cast<uintptr_t>(key), kRepeatKeyLParam);
    } else {
      map.erase(it);
    }
  }
}

}  // namespace host
