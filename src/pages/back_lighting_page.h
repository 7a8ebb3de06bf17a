#pragma once

#include "pages/lighting_values.h"

class DeviceBridge;

// The back lighting page's state and its apply, for callers without the scene (see
// KeyLightingPage).
struct BackLightingPage {
    // Position in the effect list, 0 … 3.
    int effect = 0;
    int speed = 4;
    int brightness = LightingValues::sliderMax;
    int colour = LightingValues::loopSelection;
    int direction = 0;

    // Chooses an effect by its code, as its list entry does.
    void selectEffect(int code) { effect = code - 1; }
    void load(DeviceBridge& bridge);
    void apply(DeviceBridge& bridge) const;
};
