#include "scene/local_file_url_opener.h"

#include <QDesktopServices>
#include <QDir>
#include <QTemporaryDir>
#include <QTest>

class TestUrlOpener : public QObject {
    Q_OBJECT

private slots:
    void fileAddressesOpenAbsoluteAgainstTheWorkingDirectory() {
        QTemporaryDir home;
        const QString previous = QDir::currentPath();
        QDir::setCurrent(home.path());
        QStringList opened;
        {
            LocalFileUrlOpener opener;
            opener.setLauncher([&opened](const QString& path) {
                opened.append(path);
                return true;
            });
            QDesktopServices::openUrl(QUrl(QStringLiteral("file:modules/doc/manual.html")));
            QDesktopServices::openUrl(QUrl::fromLocalFile(QStringLiteral("/srv/a b.html")));
        }
        QDir::setCurrent(previous);
        const QString base = QDir(home.path()).absolutePath();
        QCOMPARE(opened, (QStringList{base + QStringLiteral("/modules/doc/manual.html"),
                                      QStringLiteral("/srv/a b.html")}));
    }
};

QTEST_MAIN(TestUrlOpener)
#include "test_url_opener.moc"
