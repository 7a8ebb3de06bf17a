#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

// One position of the keyboard's key matrix with its factory key code.
struct MatrixKey {
    int position = -1;
    QString label;
    bool visible = false;
    QByteArray factoryCode; // four bytes
};

// Reads z9_matrix.tsv; an empty list when the file cannot be read or a line is malformed.
QList<MatrixKey> readMatrixTable(const QString& path);
