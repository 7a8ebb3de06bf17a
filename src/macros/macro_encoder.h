#pragma once

#include <QList>
#include <QStringList>

#include <array>

// The keyboard's form of a macro: a start mark, one record per press, release or pause line, and
// an end mark. Each keyboard macro slot holds one fixed block of macroBlockSize bytes.
constexpr qsizetype macroBlockSize = 192;
using MacroBlock = std::array<uchar, macroBlockSize>;

// Encodes macro lines (operand followed by a 10-character command). Lines that name no known key,
// pause for 0 ms or carry no known command produce nothing. The result is not limited in length.
QList<uchar> encodeMacroLines(const QStringList& lines);

// The device block for an encoded macro: its first bytes, zero-filled, cut at macroBlockSize.
MacroBlock fitMacroBlock(const QList<uchar>& encoded);
