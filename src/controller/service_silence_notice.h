#pragma once

#include "settings/localised_notice.h"

// Tells the user that the background service did not take a profile switch in time, and that
// the window now works with the keyboard itself. The window asks for it once each time the
// service falls silent; it is shown beside the window, which goes on working.
class ServiceSilenceNotice : public LocalisedNotice {
    Q_OBJECT

public:
    explicit ServiceSilenceNotice(Show show, QObject* parent = nullptr);

    void tell();
};
