#pragma once

#include <QString>

class QWidget;

// The modal dialogs that the settings slots show. Tests put a scripted stand-in in place of the
// system's dialogs, so no test ever waits for a person.
class SettingsDialogs {
public:
    virtual ~SettingsDialogs() = default;

    // Both return the chosen path, or an empty text when the user cancels.
    virtual QString getSaveFileName(QWidget* parent, const QString& caption, const QString& dir,
                                    const QString& filter) = 0;
    virtual QString getOpenFileName(QWidget* parent, const QString& caption, const QString& dir,
                                    const QString& filter) = 0;
    // A warning with a single OK button; returns once the user has closed it.
    virtual void warning(const QString& title, const QString& text) = 0;
    // A message that stays beside the window, which goes on working; returns at once.
    virtual void inform(const QString& title, const QString& text) = 0;
};
