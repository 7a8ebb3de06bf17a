#pragma once

#include <QString>
#include <QStringList>

// The XDG autostart entry that starts the service at login: a file in the user's
// $XDG_CONFIG_HOME/autostart (by default ~/.config/autostart), there while "Start at login" is on.
// It is made from the entry the package installs, with the service's own path, so that a build
// tree's service starts itself too.
namespace AutostartEntry {

QString path();
bool isEnabled();
// `command`: the service's executable and its options.
bool enable(const QStringList& command);
// The command as an entry's Exec= line takes it: quoted where the desktop entry rules ask.
QString execLine(const QStringList& command);
bool disable();

} // namespace AutostartEntry
