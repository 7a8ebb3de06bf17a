#pragma once

#include <QList>
#include <QMap>
#include <QObject>
#include <QString>
#include <QVariant>

// One INI settings file of the tool, held in memory. Reads and writes work on the memory copy;
// changes reach the file on the next pass of the event loop (or at sync() and destruction) as a
// whole new file that replaces the old one only once it is completely on disk. When that fails
// the old file stays, the memory copy returns to what the file holds, and the failure is
// reported through StoreOutcome. A file that is missing, unreadable, not a regular file or of
// several megabytes reads as empty. No lock file is used. korvanectl writes the same files: a
// store puts this object's own changes over the file as it is then, so what the other program
// stored meanwhile stays.
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
    // Reads the file again (storing pending changes first), to see what another program wrote.
    void reload();

private:
    // A change made here since the file was last read: a value set, or a key or group removed.
    struct Edit {
        QString key;
        QVariant value;
        bool isRemoval = false;
    };

    void changed(Edit edit);
    bool store() const;

    QString path;
    QMap<QString, QVariant> values;
    QList<Edit> edits;
    bool pending = false;
    bool storeQueued = false;
};
