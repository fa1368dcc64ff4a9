// The client area's size, kept up to date by the window procedure.
#pragma once

#include <cstdint>

extern int32_t ClientWidth;
extern int32_t ClientHeight;
