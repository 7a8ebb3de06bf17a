#pragma once

#include <QObject>
#include <QString>

// Where the settings store tells whoever listens whether a change reached its file. The tool
// turns a failure into one message to the user; other programs may print it.
class StoreOutcome : public QObject {
    Q_OBJECT

public:
    static StoreOutcome& instance();
    static void report(const QString& path, bool stored);

signals:
    void stored(const QString& path);
    void failed(const QString& path);
};
