#include "settings/data_directory.h"

#include "settings/user_data_tree.h"

#include <QDebug>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace DataDirectory {

QString choose(const QString& executableDir, const QString& programName) {
    const QFileInfo ownTree(executableDir + QStringLiteral("/modules"));
    if (ownTree.isDir() && ownTree.isWritable())
        return executableDir;

    // The installed tree lies where the build put it relative to bin/, so a moved prefix works.
    const QString installed =
        QDir::cleanPath(executableDir + QStringLiteral("/" KORVANE_DATA_FROM_BIN));
    if (!QFileInfo(installed + QStringLiteral("/modules")).isDir())
        return executableDir;

    const QString user =
        QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + u'/' + programName;
    if (UserDataTree::prepare(installed, user))
        return user;
    // Reading still works from the installed tree; the settings just cannot be kept.
    qWarning().noquote() << "Cannot prepare" << user << "- settings will not be kept";
    return installed;
}

} // namespace DataDirectory
