#include "settings/localised_notice.h"

LocalisedNotice::LocalisedNotice(Show show, QString title, QString text, QObject* parent)
    : QObject(parent), show(std::move(show)), title(std::move(title)), text(std::move(text)) {}

void LocalisedNotice::setTexts(const QString& title, const QString& text) {
    if (!title.isEmpty())
        this->title = title;
    if (!text.isEmpty())
        this->text = text;
}

void LocalisedNotice::present() {
    show(title, text);
}

void LocalisedNotice::present(const QString& argument) {
    show(title, text.arg(argument));
}
