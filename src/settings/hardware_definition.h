#pragma once

#include <QString>
#include <QVariantList>

// Reads the keyboard layout file: [total_HW, total_FW, [entry 1, …, entry total_HW]].
// A missing file gives [0, 0, []].
QVariantList loadHardwareDefinition(const QString& path);
