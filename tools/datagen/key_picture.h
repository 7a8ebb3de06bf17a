#pragma once

#include "key_layout.h"
#include "matrix_table.h"

#include <QString>

// Writes the key definition page's picture table (a JavaScript library for the scene): one entry
// per matrix position, in matrix order, with its label, key type, place and factory code. Hidden
// positions get key type 0 and no place. It is written from the same tables as the hardware
// definition, so the two pictures of the keyboard cannot disagree.
bool writeKeyPicture(const QString& path, const QList<KeyCap>& caps,
                     const QList<MatrixKey>& matrix);
