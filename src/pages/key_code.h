#pragma once

#include <QVariantList>

#include <array>

// The four bytes that give a key position its function; the first byte is the kind.
using KeyCode = std::array<unsigned char, 4>;

namespace KeyCodes {

inline constexpr unsigned char keyKind = 0x00;
inline constexpr unsigned char fnKind = 0x02;
inline constexpr unsigned char mediaKind = 0x03;
inline constexpr unsigned char macroKind = 0x04;
// Matrix positions 0 … 125; the device form has room for 128.
inline constexpr int positions = 126;
inline constexpr int matrixValues = 512;
inline constexpr int macroSlots = 35;

inline KeyCode singleKey(unsigned char id) {
    return {keyKind, 0, id, 0};
}
inline KeyCode media(unsigned short usage) {
    return {mediaKind, 0, static_cast<unsigned char>(usage & 0xFF),
            static_cast<unsigned char>(usage >> 8)};
}
inline KeyCode macro(int repeat, int slot) {
    return {macroKind, static_cast<unsigned char>(repeat), static_cast<unsigned char>(slot), 0};
}
// The keyboard macro slot a code runs, when it is a macro code.
inline int macroSlot(const KeyCode& code) {
    return code[0] == macroKind && code[3] == 0 ? code[2] : -1;
}

// A stored code (four whole numbers or decimal texts).
inline KeyCode fromList(const QVariantList& list) {
    KeyCode code{};
    for (int i = 0; i < 4; ++i)
        code[i] = static_cast<unsigned char>(list.value(i).toInt() & 0xFF);
    return code;
}

} // namespace KeyCodes
