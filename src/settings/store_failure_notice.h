#pragma once

#include "settings/localised_notice.h"

// Tells the user once when a change cannot be stored (full disk, read-only folder). Further
// failures stay silent until a change is stored again, so one failing action never shows a row
// of messages.
class StoreFailureNotice : public LocalisedNotice {
    Q_OBJECT

public:
    explicit StoreFailureNotice(Show show, QObject* parent = nullptr);

private:
    void onFailed();

    bool shown = false;
};
