#include "macros/macro_encoder.h"

#include "macros/key_name_table.h"

#include <algorithm>
#include <optional>
#include <span>

namespace {

// A command is right-aligned in the last commandWidth characters of a line.
constexpr qsizetype commandWidth = 10;
constexpr QStringView pressCommand = u"    [Down]";
constexpr QStringView releaseCommand = u"      [Up]";
constexpr QStringView pauseCommand = u"   [Delay]";

constexpr uchar startMark[] = {0x00, 0x01};
constexpr uchar endMark[] = {0x00, 0x00};
constexpr uchar pressRecord = 0x01;
constexpr uchar releaseRecord = 0x81;
constexpr uchar pauseRecord[] = {0x7F, 0x00};

void appendBytes(QList<uchar>& out, std::span<const uchar> bytes) {
    for (uchar byte : bytes)
        out.append(byte);
}

void appendKeyRecord(QList<uchar>& out, uchar record, QStringView keyName) {
    const uchar id = keyIdForName(keyName.toString());
    if (id != 0)
        out << record << id;
}

// A pause is whole milliseconds in decimal with blanks allowed around it; longer ones than the
// record holds keep their low 16 bits. Other text, zero and negative values (which nothing writes)
// produce no pause.
std::optional<quint16> pauseMilliseconds(QStringView operand) {
    bool isNumber = false;
    const qlonglong value = operand.trimmed().toLongLong(&isNumber, 10);
    if (!isNumber || value <= 0)
        return std::nullopt;
    return quint16(value & 0xFFFF);
}

void appendPauseRecord(QList<uchar>& out, QStringView operand) {
    const std::optional<quint16> milliseconds = pauseMilliseconds(operand);
    if (!milliseconds)
        return;
    appendBytes(out, pauseRecord);
    out << uchar(*milliseconds >> 8) << uchar(*milliseconds & 0xFF);
}

void appendLine(QList<uchar>& out, QStringView line) {
    const QStringView command = line.right(commandWidth);
    const QStringView operand = line.first(line.size() - command.size());
    if (command == pressCommand)
        appendKeyRecord(out, pressRecord, operand);
    else if (command == releaseCommand)
        appendKeyRecord(out, releaseRecord, operand);
    else if (command == pauseCommand)
        appendPauseRecord(out, operand);
}

} // namespace

QList<uchar> encodeMacroLines(const QStringList& lines) {
    QList<uchar> out;
    appendBytes(out, startMark);
    for (const QString& line : lines)
        appendLine(out, line);
    appendBytes(out, endMark);
    return out;
}

MacroBlock fitMacroBlock(const QList<uchar>& encoded) {
    MacroBlock block{};
    std::copy_n(encoded.begin(), std::min(encoded.size(), macroBlockSize), block.begin());
    return block;
}
