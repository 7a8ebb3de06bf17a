#include "macros/key_name_table.h"

#include <iterator>

QMap<QString, uchar> keyNameMap;

namespace {

struct KeyNameRow {
    const char16_t* name;
    uchar id;
};

// Several names look alike on purpose: "KP 7 " ends in a blank, "Intl'2" and "Int'l 2" are two
// keys, "\ |" is the non-US hash key 0x32 (no key is named for 0x31), and the arrows are one
// character each: 0x4F ► right, 0x50 ◄ left, 0x51 ▼ down, 0x52 ▲ up.
constexpr KeyNameRow keyNameRows[] = {
    {u"A", 0x04},       {u"B", 0x05},      {u"C", 0x06},       {u"D", 0x07},
    {u"E", 0x08},       {u"F", 0x09},      {u"G", 0x0A},       {u"H", 0x0B},
    {u"I", 0x0C},       {u"J", 0x0D},      {u"K", 0x0E},       {u"L", 0x0F},
    {u"M", 0x10},       {u"N", 0x11},      {u"O", 0x12},       {u"P", 0x13},
    {u"Q", 0x14},       {u"R", 0x15},      {u"S", 0x16},       {u"T", 0x17},
    {u"U", 0x18},       {u"V", 0x19},      {u"W", 0x1A},       {u"X", 0x1B},
    {u"Y", 0x1C},       {u"Z", 0x1D},      {u"1", 0x1E},       {u"2", 0x1F},
    {u"3", 0x20},       {u"4", 0x21},      {u"5", 0x22},       {u"6", 0x23},
    {u"7", 0x24},       {u"8", 0x25},      {u"9", 0x26},       {u"0", 0x27},
    {u"Enter", 0x28},   {u"Esc", 0x29},    {u"Back", 0x2A},    {u"Tab", 0x2B},
    {u"Space", 0x2C},   {u"- _", 0x2D},    {u"= +", 0x2E},     {u"[ {", 0x2F},
    {u"] }", 0x30},     {u"\\ |", 0x32},   {u"; :", 0x33},     {u"' \"", 0x34},
    {u"` ~", 0x35},     {u", <", 0x36},    {u". >", 0x37},     {u"/ ?", 0x38},
    {u"Caps", 0x39},    {u"F1", 0x3A},     {u"F2", 0x3B},      {u"F3", 0x3C},
    {u"F4", 0x3D},      {u"F5", 0x3E},     {u"F6", 0x3F},      {u"F7", 0x40},
    {u"F8", 0x41},      {u"F9", 0x42},     {u"F10", 0x43},     {u"F11", 0x44},
    {u"F12", 0x45},     {u"Prt", 0x46},    {u"Scr", 0x47},     {u"Pau", 0x48},
    {u"Ins", 0x49},     {u"Hom", 0x4A},    {u"PgU", 0x4B},     {u"Del", 0x4C},
    {u"End", 0x4D},     {u"PgD", 0x4E},    {u"\u25BA", 0x4F},  {u"\u25C4", 0x50},
    {u"\u25BC", 0x51},  {u"\u25B2", 0x52}, {u"Num", 0x53},     {u"KP /", 0x54},
    {u"KP *", 0x55},    {u"KP -", 0x56},   {u"KP +", 0x57},    {u"KP Enter", 0x58},
    {u"KP 1", 0x59},    {u"KP 2", 0x5A},   {u"KP 3", 0x5B},    {u"KP 4", 0x5C},
    {u"KP 5", 0x5D},    {u"KP 6", 0x5E},   {u"KP 7 ", 0x5F},   {u"KP 8", 0x60},
    {u"KP 9", 0x61},    {u"KP 0", 0x62},   {u"KP .", 0x63},    {u"Eur 2", 0x64},
    {u"App", 0x65},     {u"Power", 0x66},  {u"KP =", 0x67},    {u"F13", 0x68},
    {u"F14", 0x69},     {u"F15", 0x6A},    {u"F16", 0x6B},     {u"F17", 0x6C},
    {u"F18", 0x6D},     {u"F19", 0x6E},    {u"F20", 0x6F},     {u"F21", 0x70},
    {u"F22", 0x71},     {u"F23", 0x72},    {u"F24", 0x73},     {u"Keypad", 0x85},
    {u"Int'l 1", 0x87}, {u"Intl'2", 0x88}, {u"Int'l 2", 0x89}, {u"Int'l 4", 0x8A},
    {u"Int'l 5", 0x8B}, {u"Lang 1", 0x90}, {u"Lang 2", 0x91},  {u"L Ctrl", 0xE0},
    {u"L Shift", 0xE1}, {u"L Alt", 0xE2},  {u"L GUI", 0xE3},   {u"R Ctrl", 0xE4},
    {u"R Shift", 0xE5}, {u"R Alt", 0xE6},  {u"R GUI", 0xE7},
};

QList<KeyNameEntry> buildEntries() {
    QList<KeyNameEntry> entries;
    entries.reserve(std::size(keyNameRows));
    for (const KeyNameRow& row : keyNameRows)
        entries.append({QString::fromUtf16(row.name), row.id});
    return entries;
}

} // namespace

const QList<KeyNameEntry>& keyNameEntries() {
    static const QList<KeyNameEntry> entries = buildEntries();
    return entries;
}

void fillKeyNameMap() {
    keyNameMap.clear();
    for (const KeyNameEntry& entry : keyNameEntries())
        keyNameMap.insert(entry.name, entry.id);
}

uchar keyIdForName(const QString& name) {
    return keyNameMap.value(name, 0);
}
