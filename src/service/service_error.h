#pragma once

#include "ctl/ctl_result.h"

#include <QString>

class QDBusMessage;

// The D-Bus error names of the service's failures, one per kind that korvanectl's exit status
// tells apart: org.korvane.Keyboard1.Error.Failed, .InvalidArgument, .NoKeyboard, .NoPermission
// and .Busy.
namespace ServiceError {

QString nameOf(ExitStatus status);
QString invalidArgument();
// A call that reached the head of the queue after the deadline its caller gave: nothing ran.
QString tooLate();
// Only for a korvanectl that asked for the other keyboard (--demo or not) than the service holds.
QString otherKeyboard();
// The service went away between the look-up and the call, or holds the other keyboard: nothing
// ran there, so the caller does the work itself.
bool nothingRan(const QDBusMessage& reply);

} // namespace ServiceError
