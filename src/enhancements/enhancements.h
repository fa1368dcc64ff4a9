// The small client enhancements: the side-panel buttons and their commands,
// the blessings indicator, the context-menu entries, the captured host
// buttons and the "Save Account" box on the host's own login dialog.
#pragma once

namespace enhancements {

// Takes over their host sites and registers their commands and opcode.
// Called once at attach, before the features register their commands.
void Install();

}  // namespace enhancements
