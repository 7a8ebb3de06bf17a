#pragma once

// Screen readers look for the tool among the desktop's windows. The window is a plain QWidget,
// which Qt describes to them as a client area; this describes it as a window.
void installWindowAccessible();
