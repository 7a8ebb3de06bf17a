#pragma once

#include "pages/key_code.h"

#include <QList>
#include <QString>

#include <array>
#include <optional>

// The keys a user can select on the key definition page, from the shipped data: the hardware
// definition names each visible key (label, matrix position, HID usage) and the default profile
// holds every position's factory code.
class KeyboardLayout {
public:
    struct Key {
        int matrix = -1;
        QString label;
        unsigned char usage = 0;
    };

    static KeyboardLayout load(const QString& hardwareDefinition, const QString& defaultProfile);

    const QList<Key>& keys() const { return visible; }
    // The visible key a name stands for: a name of the key-name table (exact, else ignoring
    // case), a left modifier by its short name ("Ctrl", "Shift", "Alt"), or a key label that
    // only one key carries ("Fn", "Win").
    std::optional<Key> find(const QString& name) const;
    KeyCode factoryCode(int matrix) const;

private:
    std::optional<Key> keyWithUsage(unsigned char usage) const;
    std::optional<Key> keyWithLabel(const QString& label) const;

    QList<Key> visible;
    std::array<KeyCode, KeyCodes::positions> factory{};
};

// The usage id of a key name: the key-name table's, exact or else ignoring case and surrounding
// blanks, or a left modifier's short name. 0 when the name is none of these.
unsigned char keyUsageForName(const QString& name);
