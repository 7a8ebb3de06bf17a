#pragma once

#include <QString>

// The names under which the background service is found on the session bus. The interface's
// version is part of its name: a change that breaks callers gets Keyboard2, beside this one.
namespace ServiceNames {

inline const QString busName = QStringLiteral("org.korvane.Keyboard1");
inline const QString objectPath = QStringLiteral("/org/korvane/Keyboard1");
inline const QString keyboardInterface = QStringLiteral("org.korvane.Keyboard1");
// korvanectl's way in: its whole command line, run on the service's link.
inline const QString commandLineInterface = QStringLiteral("org.korvane.Keyboard1.CommandLine");
// Per-application profiles: how the focus is followed, and the desktop scripts' reports.
inline const QString focusInterface = QStringLiteral("org.korvane.Keyboard1.Focus");
// Only with --demo: plugging the virtual keyboard in and out.
inline const QString demoInterface = QStringLiteral("org.korvane.Keyboard1.Demo");
inline const QString errorPrefix = QStringLiteral("org.korvane.Keyboard1.Error.");

} // namespace ServiceNames
