#pragma once

#include "settings/settings_dialogs.h"

#include <QStringList>

// Answers the settings slots' dialogs from a script and records what they showed.
class FakeSettingsDialogs : public SettingsDialogs {
public:
    struct FileDialog {
        QString kind; // "save" or "open"
        QString caption;
        QString dir;
        QString filter;
    };

    QString answer; // the path that the next file dialog returns; empty means cancel
    QList<FileDialog> fileDialogs;
    QList<QStringList> warnings; // title, text
    QList<QStringList> informed; // title, text

    QString getSaveFileName(QWidget*, const QString& caption, const QString& dir,
                            const QString& filter) override {
        fileDialogs.append({QStringLiteral("save"), caption, dir, filter});
        return answer;
    }
    QString getOpenFileName(QWidget*, const QString& caption, const QString& dir,
                            const QString& filter) override {
        fileDialogs.append({QStringLiteral("open"), caption, dir, filter});
        return answer;
    }
    void warning(const QString& title, const QString& text) override {
        warnings.append({title, text});
    }
    void inform(const QString& title, const QString& text) override {
        informed.append({title, text});
    }
};
