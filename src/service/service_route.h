#pragma once

#include <QString>
#include <QStringList>
#include <QTextStream>

#include <optional>

// korvanectl's handover to the background service: while org.korvane.Keyboard1 has an owner on
// the session bus, the command runs in the service, on the link it holds, and korvanectl prints
// what the service answers. Nothing when no service runs (the name is only looked up, never
// activated) or when it holds the other keyboard (--demo or not): korvanectl then works on its
// own. Completion stays local.
std::optional<int> runThroughService(const QStringList& arguments, const QString& userDirectory,
                                     QTextStream& out, QTextStream& err);
