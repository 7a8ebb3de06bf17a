#pragma once

#include <QString>

class Hid_Thread;

// A keyboard that is plugged in but that this user may not open (its udev rule is missing or not
// applied yet) counts as not connected, and the user is told why once per plug-in: again only
// after it was unplugged, or once it could be opened in between.
class DeviceAccess {
public:
    // Call after the first command that follows a scan, with the command interface that the scan
    // found (empty when none). When that command's open was refused for lack of permission the
    // link is marked not connected, and the result says whether this plug-in is yet to be told.
    bool refusedNewly(Hid_Thread& hid, const QString& foundPath);

private:
    // The interface the user was last told about; empty while there is nothing to tell.
    QString toldFor;
};
