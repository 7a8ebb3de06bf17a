#pragma once

#include <QObject>
#include <QUrl>

#include <functional>

// Opens "file:" addresses that the scene hands to the desktop. The shipped manual's address is
// relative ("file:modules/doc/manual.html"), which desktop openers cannot resolve; it is made
// absolute against the working directory, the tool's own directory, first.
class LocalFileUrlOpener : public QObject {
    Q_OBJECT

public:
    using Launcher = std::function<bool(const QString& absolutePath)>;

    // Handles every "file:" address that QDesktopServices::openUrl receives while it lives.
    explicit LocalFileUrlOpener(QObject* parent = nullptr);
    ~LocalFileUrlOpener() override;

    // Replaces the desktop opener (tests record what would be opened).
    void setLauncher(Launcher replacement);

public slots:
    void openFile(const QUrl& url);

private:
    Launcher launcher;
};
