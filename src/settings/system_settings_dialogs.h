#pragma once

#include "settings/settings_dialogs.h"

// The toolkit's standard file dialogs and message box.
class SystemSettingsDialogs : public SettingsDialogs {
public:
    QString getSaveFileName(QWidget* parent, const QString& caption, const QString& dir,
                            const QString& filter) override;
    QString getOpenFileName(QWidget* parent, const QString& caption, const QString& dir,
                            const QString& filter) override;
    void warning(const QString& title, const QString& text) override;
    void inform(const QString& title, const QString& text) override;
};
