#pragma once

#include <QString>

// What the service last learnt of the keyboard: by a scan (at start and after the device watch
// saw a change) and by the outcome of every command.
struct KeyboardState {
    bool connected = false;
    QString firmware;
    // 0 … 5 as the keyboard counts; -1 while no keyboard is connected.
    int profile = -1;
    bool gamingMode = false;

    bool operator==(const KeyboardState&) const = default;
};
