#pragma once

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

// A private working directory holding an empty modules/macro folder, made current for one test,
// so that the macro code's relative paths never touch the shared build tree.
class MacroFolder {
public:
    MacroFolder() : previous(QDir::currentPath()) {
        // Going on without the private folder would write into the shared one.
        if (!root.isValid() || !QDir(root.path()).mkpath(QStringLiteral("modules/macro")) ||
            !QDir::setCurrent(root.path()))
            qFatal("cannot prepare a private macro folder");
    }
    ~MacroFolder() { QDir::setCurrent(previous); }

    QString macroPath(const QString& fileName) const {
        return root.filePath(QStringLiteral("modules/macro/") + fileName);
    }
    QString path(const QString& relative) const { return root.filePath(relative); }

    void write(const QString& relative, const QByteArray& content) const {
        QFile file(path(relative));
        QVERIFY(file.open(QIODevice::WriteOnly));
        QCOMPARE(file.write(content), content.size());
    }

    QByteArray read(const QString& relative) const {
        QFile file(path(relative));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

private:
    QString previous;
    QTemporaryDir root;
};
