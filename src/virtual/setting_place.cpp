#include "virtual/setting_place.h"

#include <algorithm>
#include <array>

namespace {

using State = VirtualKeyboardState;
using Bytes = std::span<unsigned char>;

template <typename Array> Bytes element(Array& array, unsigned char index) {
    return index < array.size() ? Bytes(array[index]) : Bytes();
}

// clang-format off
const std::array<SettingPlace, 14> settingPlaces{{
    {0x00, 2, [](State& s, unsigned char) { return Bytes(s.firmwareVersion); }},
    {0x01, 2, [](State& s, unsigned char) { return Bytes(&s.reportRate, 1); }},
    {0x02, 2, [](State& s, unsigned char) { return Bytes(&s.currentProfile, 1); }},
    {0x03, 2, [](State& s, unsigned char) { return Bytes(s.options); }},
    {0x04, 2, [](State& s, unsigned char) { return Bytes(s.sensitivity); }},
    {0x07, 2, [](State& s, unsigned char) { return Bytes(s.indicatorLight); }},
    {0x08, 2, [](State& s, unsigned char) { return Bytes(s.profile().ledType); }},
    {0x09, 2, [](State& s, unsigned char) { return Bytes(&s.mode, 1); }},
    {0x0D, 0, [](State& s, unsigned char) { return Bytes(s.profile().keyMatrix); }},
    {0x0E, 0, [](State& s, unsigned char) { return Bytes(s.profile().keyOnOff); }},
    {0x11, 0, [](State& s, unsigned char index) { return element(s.macros, index); }},
    {0x12, 0, [](State& s, unsigned char index) { return element(s.profile().pictures, index); }},
    {0x14, 4, [](State& s, unsigned char index) { return element(s.profile().palette, index); }},
    {0x15, 2, [](State& s, unsigned char) { return Bytes(s.profile().backLedType); }},
}};
// clang-format on

} // namespace

const SettingPlace* findSettingPlace(unsigned char code) {
    const unsigned char setting = code & 0x7F;
    const auto* found =
        std::find_if(settingPlaces.begin(), settingPlaces.end(),
                     [setting](const SettingPlace& place) { return place.setting == setting; });
    return found == settingPlaces.end() ? nullptr : found;
}
