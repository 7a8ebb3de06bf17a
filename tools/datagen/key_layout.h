#pragma once

#include <QList>
#include <QString>

// One key cap of the keyboard picture.
struct KeyCap {
    int position = -1; // matrix position
    int type = 1;
    int x = 0;
    int y = 0;
};

// Reads z9_layout.txt and places the caps; an empty list when the file cannot be read or a line
// is malformed.
QList<KeyCap> readKeyLayout(const QString& path);
