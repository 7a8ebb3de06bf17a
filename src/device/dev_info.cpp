#include "device/dev_info.h"

#include <QSettings>

namespace {

// Values are hexadecimal text without a prefix; text that does not convert gives 0.
quint16 hexValue(const QSettings& table, const QString& key) {
    return static_cast<quint16>(table.value(key).toString().toUInt(nullptr, 16));
}

DevInfo readEntry(const QSettings& table, int n) {
    const QString group = QString::number(n) + QLatin1Char('/');
    DevInfo entry;
    const QString typeKey = group + QStringLiteral("type");
    if (table.contains(typeKey))
        entry.type = table.value(typeKey).toString().toInt(nullptr, 16);
    entry.vid = hexValue(table, group + QStringLiteral("vid"));
    entry.pid = hexValue(table, group + QStringLiteral("pid"));
    entry.usagePage = hexValue(table, group + QStringLiteral("usagePage"));
    entry.usage = hexValue(table, group + QStringLiteral("usage"));
    entry.usagePage2 = hexValue(table, group + QStringLiteral("usagePage2"));
    entry.usage2 = hexValue(table, group + QStringLiteral("usage2"));
    entry.lib = table.value(group + QStringLiteral("lib")).toString();
    entry.modelName = table.value(group + QStringLiteral("modelName")).toString();
    return entry;
}

} // namespace

QList<DevInfo> readDeviceTable(const QString& fileName) {
    const QSettings table(fileName, QSettings::IniFormat);
    QList<DevInfo> entries;
    // The total is read again before each entry, as the table may say fewer than it holds.
    for (int n = 0; n < table.value(QStringLiteral("common/total"), 0).toInt(); ++n)
        entries.append(readEntry(table, n));
    return entries;
}
