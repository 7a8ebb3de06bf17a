#include "scene/local_file_url_opener.h"

#include <QDesktopServices>
#include <QFileInfo>
#include <QProcess>

namespace {

bool openWithDesktop(const QString& absolutePath) {
    return QProcess::startDetached(QStringLiteral("xdg-open"), {absolutePath});
}

} // namespace

LocalFileUrlOpener::LocalFileUrlOpener(QObject* parent)
    : QObject(parent), launcher(openWithDesktop) {
    QDesktopServices::setUrlHandler(QStringLiteral("file"), this, "openFile");
}

LocalFileUrlOpener::~LocalFileUrlOpener() {
    QDesktopServices::unsetUrlHandler(QStringLiteral("file"));
}

void LocalFileUrlOpener::setLauncher(Launcher replacement) {
    launcher = std::move(replacement);
}

void LocalFileUrlOpener::openFile(const QUrl& url) {
    const QString path = url.toLocalFile();
    if (path.isEmpty())
        return;
    launcher(QFileInfo(path).absoluteFilePath());
}
