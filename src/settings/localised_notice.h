#pragma once

#include <QObject>
#include <QString>

#include <functional>

// A message box that the tool shows on its own, in the user's language: its title and text come
// from the language file chosen last, with built-in English ones for what the file lacks.
class LocalisedNotice : public QObject {
    Q_OBJECT

public:
    using Show = std::function<void(const QString& title, const QString& text)>;

    // An empty text keeps the one in use.
    void setTexts(const QString& title, const QString& text);

protected:
    LocalisedNotice(Show show, QString title, QString text, QObject* parent);

    void present();
    // Fills the text's "%1" with `argument`.
    void present(const QString& argument);

private:
    Show show;
    QString title;
    QString text;
};
