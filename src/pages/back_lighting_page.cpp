#include "pages/back_lighting_page.h"

#include "bridge/device_bridge.h"

using namespace LightingValues;

void BackLightingPage::load(DeviceBridge& bridge) {
    const QVariantList stored = bridge.ui_95H_GetBackLEDType();
    if (stored.size() != 5)
        return;
    effect = stored[0].toInt() - 1;
    speed = backSpeedSlider(stored[1].toInt());
    brightness = backBrightnessSlider(stored[2].toInt());
    colour = stored[3].toInt();
    direction = stored[4].toInt();
}

void BackLightingPage::apply(DeviceBridge& bridge) const {
    bridge.ui_15H_SetBackLEDType(uchar(effect + 1), backSpeedByte(speed), lightByte(brightness),
                                 uchar(colour), uchar(direction));
}
