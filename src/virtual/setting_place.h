#pragma once

#include "virtual/virtual_keyboard_state.h"

#include <span>

// Where the virtual keyboard keeps one setting: the bytes that its set command writes and its get
// command reads back.
struct SettingPlace {
    // The set code; the get code of the same setting has bit 7 set. The firmware version, which
    // only a get command reads, is setting 0x00.
    unsigned char setting = 0;
    // The frame byte that carries the setting's first byte; 0 when the setting travels as payload.
    int firstByte = 0;
    // The setting's bytes; `index` is frame byte 3 (slot or table index). Empty when the index
    // names nothing.
    std::span<unsigned char> (*bytes)(VirtualKeyboardState& state, unsigned char index) = nullptr;
};

// The place of the setting that the command `code` (set or get) writes or reads; null for none.
const SettingPlace* findSettingPlace(unsigned char code);

// The command that puts the keyboard back to its factory settings.
inline constexpr unsigned char recoveryCode = 0x13;
