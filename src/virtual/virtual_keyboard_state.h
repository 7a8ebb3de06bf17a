#pragma once

#include <array>

// What the virtual Z9 keeps: the settings that the set commands write, per profile where the
// keyboard keeps them per profile. Byte order within each field is the order of the frame.
struct VirtualKeyboardState {
    using Picture = std::array<unsigned char, 512>;
    using Colour = std::array<unsigned char, 3>;

    struct Profile {
        std::array<unsigned char, 512> keyMatrix{};
        std::array<unsigned char, 21> keyOnOff{};
        std::array<Picture, 5> pictures{};
        std::array<Colour, 7> palette{};
        // option, effect, speed, light, color, direction
        std::array<unsigned char, 6> ledType{};
        // effect, speed, light, color, direction
        std::array<unsigned char, 5> backLedType{};
    };

    std::array<Profile, 6> profiles{};
    unsigned char currentProfile = 0;
    std::array<std::array<unsigned char, 192>, 35> macros{};
    unsigned char reportRate = 0;
    std::array<unsigned char, 4> options{};
    std::array<unsigned char, 4> sensitivity{};
    // effect, frequency
    std::array<unsigned char, 2> indicatorLight{};
    unsigned char mode = 0;
    // major, minor
    std::array<unsigned char, 2> firmwareVersion{0x01, 0x05};

    Profile& profile() { return profiles[currentProfile % profiles.size()]; }
};
