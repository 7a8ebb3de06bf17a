#include "settings/profile_file_copy.h"

#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace {

constexpr qint64 copyChunk = 64 * 1024;

bool copyContent(QFile& from, QSaveFile& to) {
    while (!from.atEnd()) {
        const QByteArray chunk = from.read(copyChunk);
        if (chunk.isEmpty() && from.error() != QFileDevice::NoError)
            return false;
        if (to.write(chunk) != chunk.size())
            return false;
    }
    return from.error() == QFileDevice::NoError;
}

// Settings objects notice a changed file by its size and modification time. A new file of the
// same size written within the same millisecond would look unchanged, so its time moves on.
struct FileStamp {
    qint64 size = -1;
    QDateTime modified;

    static FileStamp of(const QString& path) {
        const QFileInfo info(path);
        if (!info.exists())
            return {};
        return {info.size(), info.lastModified()};
    }
    bool operator==(const FileStamp&) const = default;
};

void keepChangeVisible(const QString& target, const FileStamp& before) {
    if (before.size < 0 || FileStamp::of(target) != before)
        return;
    QFile file(target);
    if (file.open(QIODevice::ReadWrite))
        file.setFileTime(before.modified.addMSecs(1), QFileDevice::FileModificationTime);
}

} // namespace

bool replaceWithCopy(const QString& target, const QString& source) {
    const QFileInfo sourceInfo(source);
    if (!sourceInfo.isFile())
        return false;
    QFile from(source);
    if (!from.open(QIODevice::ReadOnly))
        return false;

    const FileStamp before = FileStamp::of(target);
    QSaveFile to(target);
    to.setDirectWriteFallback(false);
    if (!to.open(QIODevice::WriteOnly))
        return false;
    if (!copyContent(from, to)) {
        to.cancelWriting();
        return false;
    }
    if (!to.commit())
        return false;
    keepChangeVisible(target, before);
    return true;
}
