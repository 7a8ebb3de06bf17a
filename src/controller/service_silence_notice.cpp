#include "controller/service_silence_notice.h"

ServiceSilenceNotice::ServiceSilenceNotice(Show show, QObject* parent)
    : LocalisedNotice(std::move(show), QStringLiteral("Background Service"),
                      QStringLiteral("The background service korvane-service does not answer.\n"
                                     "The window now works with the keyboard directly."),
                      parent) {}

// Queued, so that the notice never comes in the middle of the answer it reports.
void ServiceSilenceNotice::tell() {
    QMetaObject::invokeMethod(
        this, [this] { present(); }, Qt::QueuedConnection);
}
