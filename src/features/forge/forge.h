// The exaltation forge: fusion of two items into a higher tier, transfer of
// a tier from one item to another, and the forge history. The server sends
// the lists and results (opcodes 204 to 209) and decides every outcome; the
// window shows them and sends the player's choices.
#pragma once

namespace forge {

// The server's messages.
void ParseExaltationUpdateItems();     // 204
void ParseExaltationForgeResult();     // 205
void ParseExaltationOpenWindow();      // 206
void ParseExaltationHistory();         // 207
void ParseExaltationTransferData();    // 208
void ParseExaltationTransferResult();  // 209

// Registers the opcodes, panel command 1013 and the per-game reset. Called
// once at attach.
void Install();

}  // namespace forge
