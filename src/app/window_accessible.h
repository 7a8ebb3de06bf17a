#pragma once

// Screen readers look for the tool among the desktop's windows and walk its controls both ways:
// down from the window, and up from the control that takes the focus. The window is a plain
// QWidget, which Qt describes to them as a client area; this describes it as a window. The scene
// inside it hangs below the view in one unbroken line: view, scene, controls, each listed by its
// parent at the index it reports.
// Call it once a scene view exists: Qt installs its own description of scene views then, and the
// last one installed speaks first.
void installWindowAccessible();
