#pragma once

#include <QObject>
#include <QString>

#include <functional>

// Tells the user once when a change cannot be stored (full disk, read-only folder). Further
// failures stay silent until a change is stored again, so one failing action never shows a row
// of messages.
class StoreFailureNotice : public QObject {
    Q_OBJECT

public:
    using Show = std::function<void(const QString& title, const QString& text)>;

    explicit StoreFailureNotice(Show show, QObject* parent = nullptr);

    // The texts in the user's language; an empty text keeps the built-in English one.
    void setTexts(const QString& title, const QString& text);

private:
    void onFailed();

    Show show;
    QString title;
    QString text;
    bool shown = false;
};
