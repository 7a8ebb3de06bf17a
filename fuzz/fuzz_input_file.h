#pragma once

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <cstddef>
#include <cstdint>
#include <fcntl.h>
#include <sys/stat.h>

// The fuzzer's input as the content of a file at a fixed path inside a private folder. Every
// input gets a modification time of its own: the settings library keeps parsed files and would
// otherwise take a new content of the same size for the old one.
class FuzzInputFile {
public:
    explicit FuzzInputFile(const QString& name) : path(dir.filePath(name)) {}

    QString folder() const { return dir.path(); }

    const QString& write(const uint8_t* data, size_t size) {
        QFile file(path);
        if (file.open(QIODevice::WriteOnly | QIODevice::Truncate))
            file.write(reinterpret_cast<const char*>(data), qint64(size));
        file.close();
        const timespec times[2] = {{++stamp, 0}, {stamp, 0}};
        ::utimensat(AT_FDCWD, QFile::encodeName(path).constData(), times, 0);
        return path;
    }

private:
    QTemporaryDir dir;
    QString path;
    time_t stamp = 1000000000;
};
