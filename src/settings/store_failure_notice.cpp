#include "settings/store_failure_notice.h"

#include "settings/store_outcome.h"

StoreFailureNotice::StoreFailureNotice(Show show, QObject* parent)
    : QObject(parent), show(std::move(show)), title(QStringLiteral("Save File")),
      text(QStringLiteral("The change could not be stored.\n"
                          "The disk may be full or the folder read-only.")) {
    connect(&StoreOutcome::instance(), &StoreOutcome::failed, this, &StoreFailureNotice::onFailed);
    connect(&StoreOutcome::instance(), &StoreOutcome::stored, this, [this] { shown = false; });
}

void StoreFailureNotice::setTexts(const QString& title, const QString& text) {
    if (!title.isEmpty())
        this->title = title;
    if (!text.isEmpty())
        this->text = text;
}

void StoreFailureNotice::onFailed() {
    if (shown)
        return;
    // Set first: the message box runs an event loop in which further stores may fail.
    shown = true;
    show(title, text);
}
