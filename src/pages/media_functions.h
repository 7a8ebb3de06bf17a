#pragma once

#include <QString>

#include <array>

// The media functions a key can be given: the key definition page's MEDIA list, in its order,
// with the HID Consumer-page usage that the key code carries (03 00 low high).
struct MediaFunction {
    const char* label;
    unsigned short usage;
};

// clang-format off
inline constexpr std::array<MediaFunction, 18> mediaFunctions{{
    {"NEXT TRACK", 0x00B5},   {"PREVIOUS TRACK", 0x00B6}, {"STOP", 0x00B7},
    {"PLAY / PAUSE", 0x00CD}, {"MUTE", 0x00E2},           {"VOLUME UP", 0x00E9},
    {"VOLUME DOWN", 0x00EA},  {"MEDIA SELECT", 0x0183},   {"MAIL", 0x018A},
    {"CALCULATOR", 0x0192},   {"MY COMPUTER", 0x0194},    {"WWW SEARCH", 0x0221},
    {"WWW HOME", 0x0223},     {"WWW BACK", 0x0224},       {"WWW FORWARD", 0x0225},
    {"WWW STOP", 0x0226},     {"WWW REFRESH", 0x0227},    {"WWW FAVORITES", 0x022A},
}};
// clang-format on

// The media function with this label, ignoring case; null when there is none.
const MediaFunction* findMediaFunction(const QString& label);
