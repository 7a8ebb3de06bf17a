#pragma once

#include "pages/lighting_values.h"

#include <QVariantList>

#include <array>

class DeviceBridge;

// The key lighting page's state and its apply, for callers without the scene: the controls start
// where the page starts, load() reads the current profile as the page does when it is shown, and
// apply() makes the bridge calls of the page's apply button in the same order.
struct KeyLightingPage {
    // -1: no effect chosen.
    int effect = -1;
    int speed = 4;
    int brightness = LightingValues::sliderMax;
    int colour = 6;
    int direction = 1;
    std::array<LightingValues::Rgb, LightingValues::paletteSize> palette =
        LightingValues::factoryPalette;
    std::array<QVariantList, LightingValues::pictureCount> pictures{
        QVariantList(LightingValues::pictureValues, 0),
        QVariantList(LightingValues::pictureValues, 0),
        QVariantList(LightingValues::pictureValues, 0),
        QVariantList(LightingValues::pictureValues, 0),
        QVariantList(LightingValues::pictureValues, 0)};

    // Stored values of the wrong length are ignored group by group, as the page ignores them.
    // Chooses an effect by its code, as its menu entry does.
    void selectEffect(int code) { effect = code; }
    void load(DeviceBridge& bridge);
    // Lights off, the seven palette colours, the picture of a USER DEFINE effect, then the
    // effect with its values. Call only with an effect chosen.
    void apply(DeviceBridge& bridge) const;
};
