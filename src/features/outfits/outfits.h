// The outfit and mount editor: the server opens "Customise Character" with
// the player's look and the outfits and mounts the player may use; "Ok"
// sends the chosen look back.
#pragma once

namespace outfits {

// The server's message.
void ParseOutfitWindow();  // 200

// Registers the message and the per-game reset. Called once at attach.
void Install();

}  // namespace outfits
