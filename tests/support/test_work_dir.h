#pragma once

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QStringList>
#include <QTemporaryDir>
#include <QtGlobal>

#include <initializer_list>

// A private temporary directory that becomes the working directory for the object's lifetime:
// the tool resolves its data paths (modules/...) against the working directory, so a test never
// touches the shared data tree beside the test program.
class TestWorkDir {
public:
    TestWorkDir() : previous(QDir::currentPath()) {}
    ~TestWorkDir() { QDir::setCurrent(previous); }
    TestWorkDir(const TestWorkDir&) = delete;
    TestWorkDir& operator=(const TestWorkDir&) = delete;

    QString path(const QString& relative) const { return dir.filePath(relative); }
    bool exists(const QString& relative) const { return QFile::exists(path(relative)); }

    // False unless the whole content was written.
    bool write(const QString& relative, const QByteArray& content) const {
        QFile file(path(relative));
        return file.open(QIODevice::WriteOnly | QIODevice::Truncate) &&
               file.write(content) == content.size();
    }
    QByteArray read(const QString& relative) const {
        QFile file(path(relative));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    QStringList entries(const QString& relative) const {
        return QDir(path(relative))
            .entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
    }

protected:
    QString root() const { return dir.path(); }

    // Makes `folders` and switches to the directory. Going on without it would write into the
    // shared data tree, so a failure ends the test program.
    void enter(std::initializer_list<const char*> folders) const {
        const QDir top(dir.path());
        bool ready = dir.isValid();
        for (const char* folder : folders)
            ready = ready && top.mkpath(QString::fromLatin1(folder));
        if (!ready || !QDir::setCurrent(dir.path()))
            qFatal("cannot prepare a private working directory");
    }

private:
    QString previous;
    QTemporaryDir dir;
};
