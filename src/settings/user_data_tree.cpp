#include "settings/user_data_tree.h"

#include "settings/settings_paths.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {

// The folders below modules/ that the tool writes into.
const QStringList& writableParts() {
    static const QStringList parts{QStringLiteral("setting"), QStringLiteral("macro")};
    return parts;
}

// Delivered files inside a writable folder that the tool only ever reads.
bool isDeliveredDefault(const QString& name) {
    for (const QString& path :
         {SettingsPaths::defaultProfileFile(), SettingsPaths::apConfigDefaultFile(),
          SettingsPaths::hardwareDefinitionFile()}) {
        if (QFileInfo(path).fileName() == name)
            return true;
    }
    return false;
}

bool linkTo(const QString& target, const QString& link) {
    const QFileInfo existing(link);
    if (existing.isSymLink()) {
        if (existing.symLinkTarget() == target)
            return true;
        QFile::remove(link);
    } else if (existing.exists()) {
        return true;
    }
    return QFile::link(target, link);
}

bool copyOnce(const QString& source, const QString& target) {
    if (QFileInfo(target).exists() || QFileInfo(target).isSymLink())
        return true;
    // The copy is the user's to change, whatever the installed file's mode.
    return QFile::copy(source, target) &&
           QFile::setPermissions(target, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup |
                                             QFile::ReadOther);
}

bool prepareWritablePart(const QDir& installed, const QString& user) {
    if (!QDir().mkpath(user))
        return false;
    bool complete = true;
    for (const QFileInfo& entry : installed.entryInfoList(QDir::Files)) {
        const QString target = user + u'/' + entry.fileName();
        complete &= isDeliveredDefault(entry.fileName())
                        ? linkTo(entry.absoluteFilePath(), target)
                        : copyOnce(entry.absoluteFilePath(), target);
    }
    return complete;
}

} // namespace

namespace UserDataTree {

bool prepare(const QString& installedDir, const QString& userDir) {
    const QDir installed(installedDir + QStringLiteral("/modules"));
    const QString user = userDir + QStringLiteral("/modules");
    if (!QDir().mkpath(user))
        return false;
    bool complete = true;
    for (const QString& part : writableParts())
        complete &= prepareWritablePart(QDir(installed.filePath(part)), user + u'/' + part);
    for (const QFileInfo& entry : installed.entryInfoList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        if (!writableParts().contains(entry.fileName()))
            complete &= linkTo(entry.absoluteFilePath(), user + u'/' + entry.fileName());
    }
    return complete;
}

} // namespace UserDataTree
