#include "gui/screen.h"

int32_t ClientWidth = 0;
int32_t ClientHeight = 0;
