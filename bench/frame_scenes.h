// The screens the frame-budget benchmark measures: scenario texts that open
// and fill the library's windows through the paths a player and a server
// take (side-panel commands, clicks on captions, server messages).
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace bench {

struct Scene {
  std::string name;
  bool inGame = true;  // with the eight docked and floating windows open
  // The scenario lines that open the scene's dialog, with realistic lists
  // or with the longest a message can carry.
  std::string (*dialog)(bool longest) = nullptr;
  // How many entries the longest list holds (0: the scene has no long case).
  int32_t longestEntries = 0;
};

const std::vector<Scene>& Scenes();
// The whole setup of a scene: the screen, the common windows, its dialog.
std::string SceneScript(const Scene& scene, bool longest);

}  // namespace bench
