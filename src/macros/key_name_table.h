#pragma once

#include <QList>
#include <QMap>
#include <QString>

// One key by the name that macro lines and the scene give it, with its USB HID usage id on the
// Keyboard/Keypad page.
struct KeyNameEntry {
    QString name;
    uchar id;
};

// Every key that the user can see, record or assign, in rising id order. The scene's copy of the
// table is checked against this list.
const QList<KeyNameEntry>& keyNameEntries();

// Name to id, filled by the controller. Names match exactly: case and every blank count.
extern QMap<QString, uchar> keyNameMap;

// Empties keyNameMap and fills it from keyNameEntries().
void fillKeyNameMap();

// The id of a key name, or 0 (no key) for a name that keyNameMap does not hold.
uchar keyIdForName(const QString& name);
