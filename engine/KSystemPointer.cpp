// The direct show/hide of the system pointer that bypasses KInput's counter.
#include "engine/KInput.h"
#include "engine/platform/Platform.h"

void KInput::showSystemPointer(bool show) { Plat_ShowCursor(show); }
