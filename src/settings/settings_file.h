#pragma once

#include <QMap>
#include <QObject>
#include <QString>
#include <QVariant>

// One INI settings file of the tool, held in memory. Reads and writes work on the memory copy;
// changes reach the file on the next pass of the event loop (or at sync() and destruction) as a
// whole new file that replaces the old one only once it is completely on disk. When that fails
// the old file stays, the memory copy returns to what the file holds, and the failure is
// reported through StoreOutcome. A file that is missing, unreadable, not a regular file or of
// several megabytes reads as empty. No lock file is used: the tool is the only writer of its files.
class SettingsFile : public QObject {
    Q_OBJECT

public:
    explicit SettingsFile(QString path, QObject* parent = nullptr);
    ~SettingsFile() override;

    QString fileName() const { return path; }
    QVariant value(const QString& key, const QVariant& fallback = {}) const;
    QStringList allKeys() const { return values.keys(); }
    void setValue(const QString& key, const QVariant& value);
    // Removes the key and every key below it ("macro" removes "macro/0", "macro/1", …).
    void remove(const QString& keyOrGroup);
    // Stores pending changes now. True when there were none or they are on disk.
    bool sync();

private:
    void changed();
    bool store() const;

    QString path;
    QMap<QString, QVariant> values;
    bool pending = false;
    bool storeQueued = false;
};
