#pragma once

#include <QString>

class QWidget;
class SettingsDialogs;

// Asks for a PNG image to use as the window's background. Returns its path when it can be opened
// for reading, otherwise warns (unless the user cancelled) and returns an empty text.
QString chooseCustomImagePath(SettingsDialogs& dialogs, QWidget* parent);
