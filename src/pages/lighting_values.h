#pragma once

#include <QString>
#include <QVariantList>

#include <array>
#include <optional>

// The values of the lighting pages: effect codes and names, the controls each effect uses, and
// the conversions between the pages' control positions and the bytes the keyboard takes. The
// pages' sliders run from 0 to 7 (7 = fastest, brightest); a colour selection is a palette slot
// 0 … 6 or 7 for LOOP; the direction control runs 0 (centre), 1 right, 2 left, 3 up, 4 down.
namespace LightingValues {

enum Control : unsigned {
    Colour = 1,
    Brightness = 2,
    Speed = 4,
    Direction = 8,
};

struct Effect {
    unsigned char code;
    const char* name;
    unsigned controls;
};

struct Rgb {
    unsigned char red;
    unsigned char green;
    unsigned char blue;
};

inline constexpr int sliderMax = 7;
inline constexpr int loopSelection = 7;
inline constexpr int directionMax = 4;
inline constexpr int paletteSize = 7;
inline constexpr int pictureCount = 5;
inline constexpr int pictureValues = 512;
inline constexpr unsigned char lightsOff = 0x01;
inline constexpr unsigned char lightsOn = 0x02;
// USER DEFINE 1 … 5: the effect codes of the five per-key pictures.
inline constexpr unsigned char firstPictureEffect = 0x33;

// clang-format off
inline constexpr std::array<Effect, 18> keyEffects{{
    {0x01, "STATIC",             Colour | Brightness},
    {0x02, "BREATHING",          Colour | Brightness | Speed},
    {0x03, "WAVE",               Brightness | Speed | Direction},
    {0x04, "INDUCTION DARKEN",   Colour | Brightness | Speed},
    {0x05, "MARQUEE",            Colour | Brightness | Speed},
    {0x06, "RIPPLE",             Colour | Brightness | Speed},
    {0x07, "INDUCTION BRIGHTEN", Colour | Brightness | Speed},
    {0x08, "NEON",               Brightness | Speed},
    {0x09, "MARQUEE COLORFUL",   Brightness | Speed},
    {0x0A, "RAINING",            Colour | Brightness | Speed},
    {0x0B, "MARQUEE CIRCLE",     Colour | Brightness | Speed},
    {0x0C, "SPOTLIGHT",          Colour | Brightness | Speed},
    {0x0D, "ROTATION",           Colour | Brightness | Speed | Direction},
    {0x33, "USER DEFINE 1",      Colour | Brightness},
    {0x34, "USER DEFINE 2",      Colour | Brightness},
    {0x35, "USER DEFINE 3",      Colour | Brightness},
    {0x36, "USER DEFINE 4",      Colour | Brightness},
    {0x37, "USER DEFINE 5",      Colour | Brightness},
}};

// The back lighting page never enables its direction control.
inline constexpr std::array<Effect, 4> backEffects{{
    {1, "STATIC",    Colour | Brightness | Speed},
    {2, "TWINKLING", Colour | Brightness | Speed},
    {3, "MARQUEE",   Colour | Brightness | Speed},
    {4, "BREATHING", Colour | Brightness | Speed},
}};

// Key lighting speed byte by slider position 0 … 7.
inline constexpr std::array<unsigned char, 8> keySpeedBytes{
    0x0B, 0x0A, 0x09, 0x07, 0x06, 0x04, 0x03, 0x01};

inline constexpr std::array<Rgb, paletteSize> factoryPalette{{
    {255, 0, 0}, {255, 255, 0}, {0, 255, 0}, {0, 255, 255},
    {0, 0, 255}, {255, 0, 255}, {255, 255, 255},
}};

// Names of the colour selections 0 … 7 and of the direction positions 0 … 4.
inline constexpr std::array<const char*, 8> colourNames{
    "red", "yellow", "green", "cyan", "blue", "magenta", "white", "loop"};
inline constexpr std::array<const char*, 5> directionNames{
    "centre", "right", "left", "up", "down"};
// clang-format on

// Looks an effect up by its name, ignoring case.
template <std::size_t N>
const Effect* findEffect(const std::array<Effect, N>& effects, const QString& name) {
    for (const Effect& effect : effects) {
        if (name.compare(QLatin1String(effect.name), Qt::CaseInsensitive) == 0)
            return &effect;
    }
    return nullptr;
}
template <std::size_t N> const Effect* findEffect(const std::array<Effect, N>& effects, int code) {
    for (const Effect& effect : effects) {
        if (effect.code == code)
            return &effect;
    }
    return nullptr;
}

// Rounding to the nearest whole number, halves upward, as the pages round.
int roundHalfUp(double value);

// Key lighting: control positions to bytes, and stored bytes back to positions (the page's
// reading of "color/ledType"; values it does not take leave the position as it was).
unsigned char keySpeedByte(int slider);
int keySpeedSlider(int speedByte);
unsigned char lightByte(int slider);
std::optional<int> keyBrightnessSlider(int light);

// Back lighting: the same for "color/backLedType".
unsigned char backSpeedByte(int slider);
int backSpeedSlider(int speedByte);
int backBrightnessSlider(int light);

// A colour selection or direction given by number or by name (ignoring case); nothing when
// neither fits.
std::optional<int> colourSelection(const QString& text);
std::optional<int> directionPosition(const QString& text);

} // namespace LightingValues
