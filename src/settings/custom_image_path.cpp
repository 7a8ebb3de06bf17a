#include "settings/custom_image_path.h"

#include "settings/settings_dialogs.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

namespace {

bool canRead(const QString& path) {
    // Opening a pipe or a device for reading could wait forever; only regular files qualify.
    if (!QFileInfo(path).isFile())
        return false;
    QFile file(path);
    return file.open(QIODevice::ReadOnly);
}

} // namespace

QString chooseCustomImagePath(SettingsDialogs& dialogs, QWidget* parent) {
    const QString path =
        dialogs.getOpenFileName(parent, QCoreApplication::translate("myQQuickView", "Open File"),
                                QStandardPaths::writableLocation(QStandardPaths::PicturesLocation),
                                QCoreApplication::translate("myQQuickView", "Image Files(*.png)"));
    if (path.isEmpty())
        return path;
    if (!canRead(path)) {
        dialogs.warning(QCoreApplication::translate("myQQuickView", "Read File"),
                        QStringLiteral("Cannot open file:\n%1").arg(path));
        return {};
    }
    return path;
}
