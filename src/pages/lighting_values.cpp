#include "pages/lighting_values.h"

#include <cmath>

namespace LightingValues {

namespace {

template <std::size_t N>
std::optional<int> namedPosition(const std::array<const char*, N>& names, const QString& text) {
    bool isNumber = false;
    const int number = text.toInt(&isNumber);
    if (isNumber)
        return number >= 0 && number < int(N) ? std::optional<int>(number) : std::nullopt;
    for (std::size_t i = 0; i < N; ++i) {
        if (text.compare(QLatin1String(names[i]), Qt::CaseInsensitive) == 0)
            return int(i);
    }
    return std::nullopt;
}

} // namespace

int roundHalfUp(double value) {
    return int(std::floor(value + 0.5));
}

unsigned char keySpeedByte(int slider) {
    return keySpeedBytes[std::size_t(qBound(0, slider, sliderMax))];
}

// 0x0A is the one exact match; otherwise the slowest position whose byte the value reaches, so
// 0x0B (slider 0) reads back as slider 2.
int keySpeedSlider(int speedByte) {
    if (speedByte == 0x0A)
        return 1;
    constexpr std::array<std::pair<int, int>, 6> thresholds{
        {{0x09, 2}, {0x07, 3}, {0x06, 4}, {0x04, 5}, {0x03, 6}, {0x01, 7}}};
    for (const auto& [least, slider] : thresholds) {
        if (speedByte >= least)
            return slider;
    }
    return 0;
}

unsigned char lightByte(int slider) {
    return static_cast<unsigned char>(slider * 7);
}

std::optional<int> keyBrightnessSlider(int light) {
    if (light < 0 || light > lightByte(sliderMax))
        return std::nullopt;
    return light / 7;
}

unsigned char backSpeedByte(int slider) {
    return static_cast<unsigned char>(roundHalfUp((sliderMax - slider) * 9.0 / 7.0) + 1);
}

int backSpeedSlider(int speedByte) {
    return sliderMax - roundHalfUp((speedByte - 1) * 7.0 / 9.0);
}

int backBrightnessSlider(int light) {
    return roundHalfUp(light / 7.0);
}

std::optional<int> colourSelection(const QString& text) {
    return namedPosition(colourNames, text);
}

std::optional<int> directionPosition(const QString& text) {
    return namedPosition(directionNames, text);
}

} // namespace LightingValues
