#pragma once

#include <QString>
#include <QStringList>

// The check text that a language file stores in "font/cs": four bytes derived from the total
// length L of its strings in UTF-16 code units, written as decimal numbers without separators.
QString languageChecksum(qint64 totalLength);
qint64 languageTextLength(const QStringList& strings);
