// The "Customise Character" window: the preview, the outfit and mount
// with their arrows, the addon and "Mount" boxes, the colour palette, the
// outfit and mount lists with their filter, "Ok", "Cancel" and the store
// button. It is the current modal window while it is open.
#pragma once

namespace outfits {

// Builds the window for the state in Window() and makes it current.
void OpenOutfitWindow();
// Whether the outfit window is the current modal window.
bool OutfitWindowIsCurrent();

}  // namespace outfits
