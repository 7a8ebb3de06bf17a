#include "settings/store_failure_notice.h"

#include "settings/store_outcome.h"

StoreFailureNotice::StoreFailureNotice(Show show, QObject* parent)
    : LocalisedNotice(std::move(show), QStringLiteral("Save File"),
                      QStringLiteral("The change could not be stored.\n"
                                     "The disk may be full or the folder read-only."),
                      parent) {
    connect(&StoreOutcome::instance(), &StoreOutcome::failed, this, &StoreFailureNotice::onFailed);
    connect(&StoreOutcome::instance(), &StoreOutcome::stored, this, [this] { shown = false; });
}

void StoreFailureNotice::onFailed() {
    if (shown)
        return;
    // Set first: the message box runs an event loop in which further stores may fail.
    shown = true;
    present();
}
