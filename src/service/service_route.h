#pragma once

#include <QDBusConnection>
#include <QDBusMessage>
#include <QString>
#include <QStringList>
#include <QTextStream>

#include <optional>

// korvanectl's handover to the background service: while org.korvane.Keyboard1 has an owner on
// the session bus, the command runs in the service, on the link it holds, and korvanectl prints
// what the service answers. Nothing when no service runs (the name is only looked up, never
// activated) or when it holds the other keyboard (--demo or not): korvanectl then works on its
// own. Completion stays local.
//
// No wait is unbounded: a service that does not answer a ping within 2 s is passed by, and
// korvanectl works on its own and says so, unless the service holds the keyboard it asks for
// only inside itself (--demo): then it stops with status 6. A command handed over gets the time
// that `handoverBoundMs` gives it, and the service does not begin it later than that.
std::optional<int> runThroughService(const QStringList& arguments, const QString& userDirectory,
                                     QTextStream& out, QTextStream& err);

namespace ServiceRoute {

// How long korvanectl's words may take in the service, queue included.
int handoverBoundMs(const QStringList& arguments);
// org.korvane.Keyboard1.CommandLine.RunBefore: the words, to be begun within `boundMs` from now
// or not at all.
QDBusMessage commandLineCall(const QStringList& arguments, const QString& directory, int boundMs);
// A call that proves that the service's bus loop answers.
QDBusMessage pingCall();
// Whether `reply` is no answer at all: the call's time ran out, or the service left the bus
// without answering.
bool isUnanswered(const QDBusMessage& reply);
// Whether the service that owned the name as `owner` has gone (ended, or another took over).
bool hasEnded(const QDBusConnection& bus, const QString& owner);

} // namespace ServiceRoute
