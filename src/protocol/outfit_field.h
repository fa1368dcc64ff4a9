// The outfit field of server messages: look type u16, then the head, body,
// legs and feet colours and the addons, a byte each.
#pragma once

#include "gui/outfit_picture.h"

gui::Outfit ReadOutfit();
