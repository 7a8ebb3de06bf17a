#include "pages/key_lighting_page.h"

#include "bridge/device_bridge.h"

using namespace LightingValues;

namespace {

int effectFromStore(int code) {
    return findEffect(keyEffects, code) ? code : -1;
}

} // namespace

void KeyLightingPage::load(DeviceBridge& bridge) {
    for (int i = 0; i < paletteSize; ++i) {
        const QVariantList rgb = bridge.ui_94H_GetColor(uchar(i));
        if (rgb.size() == 3)
            palette[i] = {uchar(rgb[0].toInt()), uchar(rgb[1].toInt()), uchar(rgb[2].toInt())};
    }
    for (int i = 0; i < pictureCount; ++i) {
        const QVariantList picture = bridge.ui_92H_GetUserPicture(uchar(i));
        if (picture.size() != pictureValues)
            continue;
        for (int v = 0; v < pictureValues; ++v)
            pictures[i][v] = picture[v].toInt();
    }
    const QVariantList stored = bridge.ui_88H_GetLEDType();
    if (stored.size() != 5)
        return;
    effect = effectFromStore(stored[0].toInt());
    speed = keySpeedSlider(stored[1].toInt());
    brightness = keyBrightnessSlider(stored[2].toInt()).value_or(brightness);
    colour = stored[3].toInt() - 1;
    const int storedDirection = stored[4].toInt();
    if (storedDirection >= 0 && storedDirection <= directionMax)
        direction = storedDirection;
}

void KeyLightingPage::apply(DeviceBridge& bridge) const {
    bridge.ui_08H_SetLEDType(lightsOff, 0, 0, 0, 0, 0);
    for (int i = 0; i < paletteSize; ++i)
        bridge.ui_14H_SetColor(uchar(i), palette[i].red, palette[i].green, palette[i].blue);
    if (effect >= firstPictureEffect) {
        const int picture = effect - firstPictureEffect;
        bridge.ui_12H_SetUserPicture(uchar(picture), 0, pictures[picture]);
    }
    bridge.ui_08H_SetLEDType(lightsOn, uchar(effect), keySpeedByte(speed), lightByte(brightness),
                             uchar(colour + 1), uchar(direction));
}
