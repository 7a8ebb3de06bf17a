#pragma once

#include "pages/key_code.h"

#include <QString>

#include <optional>

class KeyboardLayout;

// What `korvanectl key` gives a key, read from its text: a key name (the key's factory code, as
// when the key is dragged onto the page's KEYBOARD input), a combination of up to three key names
// joined by "+" ("Ctrl+C"), a media function name, "macro:<name>", "default" or "none".
struct KeyAssignment {
    enum class Kind { Code, Default, Macro };
    Kind kind = Kind::Code;
    KeyCode code{};
    QString macro;

    // Nothing when the text is none of these; the error says what was expected.
    static std::optional<KeyAssignment> parse(const QString& text, const KeyboardLayout& layout,
                                              QString* error);
};

// The name korvanectl shows for a visible key: its key-name table name, else its label.
QString keyDisplayName(unsigned char usage, const QString& label);
