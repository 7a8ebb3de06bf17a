#pragma once

#include "key_layout.h"
#include "matrix_table.h"

#include <QString>

// Writes the hardware definition: one entry per key cap, in row order, joined with the matrix
// table's labels and factory codes.
bool writeHardwareDefinition(const QString& path, const QList<KeyCap>& caps,
                             const QList<MatrixKey>& matrix);

// Writes the default profile: the factory key codes, the lighting of lightingSource and five
// pictures of 512 zeros.
bool writeDefaultProfile(const QString& path, const QList<MatrixKey>& matrix,
                         const QString& lightingSource);
