// Where the program works: its own tree beside the executable, or a tree of the user's own
// prepared from an installed one.
#include "settings/data_directory.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

#include <optional>

namespace {

void writeFile(const QString& path, const QByteArray& content) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(content);
}

QByteArray readFile(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// An installed program: bin/ without a data tree, the data read-only below share/korvane/.
QString makeInstallation(const QString& prefix) {
    QDir().mkpath(prefix + QStringLiteral("/bin"));
    const QString modules = prefix + QStringLiteral("/share/korvane/modules/");
    for (const char* name : {"setting/HWDef.bin", "setting/pD.bin", "setting/apConfigD.bin",
                             "setting/p1.bin", "macro/Shipped.ini", "i18n/lang_031000.ini",
                             "media/01.wav", "img/skin1/background.png", "doc/manual.html"})
        writeFile(modules + QLatin1String(name), QByteArray("installed ") + name);
    return prefix + QStringLiteral("/bin");
}

QString linkTarget(const QString& path) {
    const QFileInfo info(path);
    return info.isSymLink() ? info.symLinkTarget() : QString();
}

} // namespace

class TestDataDirectory : public QObject {
    Q_OBJECT

private slots:
    // Each case starts with an empty home of its own.
    void init() {
        home.emplace();
        QVERIFY(home->isValid());
        qputenv("XDG_DATA_HOME", home->filePath(QStringLiteral("data")).toUtf8());
    }

    void aWritableTreeBesideTheExecutableIsUsedAsItIs() {
        QTemporaryDir build;
        QDir(build.path()).mkpath(QStringLiteral("bin/modules/setting"));
        const QString bin = build.filePath(QStringLiteral("bin"));
        QCOMPARE(DataDirectory::choose(bin, QStringLiteral("korvane")), bin);
        QVERIFY(!QFileInfo::exists(home->filePath(QStringLiteral("data"))));
    }

    void anExecutableWithNoDataAnywhereKeepsItsOwnDirectory() {
        QTemporaryDir elsewhere;
        QCOMPARE(DataDirectory::choose(elsewhere.path(), QStringLiteral("korvane")),
                 elsewhere.path());
        QVERIFY(!QFileInfo::exists(home->filePath(QStringLiteral("data"))));
    }

    void anInstalledProgramWorksInTheUsersOwnPreparedTree() {
        QTemporaryDir prefix;
        const QString bin = makeInstallation(prefix.path());
        const QString user = home->filePath(QStringLiteral("data/korvane"));
        QCOMPARE(DataDirectory::choose(bin, QStringLiteral("korvane")), user);

        const QString installed = prefix.filePath(QStringLiteral("share/korvane/modules/"));
        // What the tool only reads is the installed tree itself.
        for (const char* part : {"i18n", "media", "img", "doc", "setting/HWDef.bin",
                                 "setting/pD.bin", "setting/apConfigD.bin"})
            QCOMPARE(linkTarget(user + QStringLiteral("/modules/") + QLatin1String(part)),
                     installed + QLatin1String(part));
        QCOMPARE(readFile(user + QStringLiteral("/modules/i18n/lang_031000.ini")),
                 QByteArray("installed i18n/lang_031000.ini"));
        // What it writes is the user's own: real folders, copied files.
        for (const char* part : {"setting", "macro", "setting/p1.bin", "macro/Shipped.ini"}) {
            const QFileInfo info(user + QStringLiteral("/modules/") + QLatin1String(part));
            QVERIFY2(info.exists() && !info.isSymLink() && info.isWritable(), part);
        }
        QCOMPARE(readFile(user + QStringLiteral("/modules/macro/Shipped.ini")),
                 QByteArray("installed macro/Shipped.ini"));
        writeFile(user + QStringLiteral("/modules/setting/apConfig.bin"), "mine");
        QVERIFY(!QFileInfo::exists(installed + QStringLiteral("setting/apConfig.bin")));
    }

    void preparingAgainKeepsTheUsersFilesAndFollowsAMovedInstallation() {
        QTemporaryDir first;
        QTemporaryDir second;
        DataDirectory::choose(makeInstallation(first.path()), QStringLiteral("korvane"));
        const QString user = home->filePath(QStringLiteral("data/korvane/modules/"));
        writeFile(user + QStringLiteral("setting/p1.bin"), "changed by the user");
        QVERIFY(QFile::remove(user + QStringLiteral("macro/Shipped.ini")));

        DataDirectory::choose(makeInstallation(second.path()), QStringLiteral("korvane"));
        QCOMPARE(readFile(user + QStringLiteral("setting/p1.bin")),
                 QByteArray("changed by the user"));
        QCOMPARE(linkTarget(user + QStringLiteral("i18n")),
                 second.filePath(QStringLiteral("share/korvane/modules/i18n")));
        QCOMPARE(linkTarget(user + QStringLiteral("setting/HWDef.bin")),
                 second.filePath(QStringLiteral("share/korvane/modules/setting/HWDef.bin")));
        // A shipped macro the user deleted comes back: the copy is made whenever it is missing.
        QVERIFY(QFileInfo::exists(user + QStringLiteral("macro/Shipped.ini")));
    }

    void withoutXdgDataHomeEachProgramHasItsTreeBelowTheHome() {
        QTemporaryDir prefix;
        const QString bin = makeInstallation(prefix.path());
        qunsetenv("XDG_DATA_HOME");
        const QByteArray previousHome = qgetenv("HOME");
        qputenv("HOME", home->path().toUtf8());
        const QString korvane = DataDirectory::choose(bin, QStringLiteral("korvane"));
        const QString demo = DataDirectory::choose(bin, QStringLiteral("korvane-demo"));
        qputenv("HOME", previousHome);
        QCOMPARE(korvane, home->filePath(QStringLiteral(".local/share/korvane")));
        QCOMPARE(demo, home->filePath(QStringLiteral(".local/share/korvane-demo")));
    }

    void aUserTreeThatCannotBeMadeFallsBackToTheInstalledTree() {
        QTemporaryDir prefix;
        const QString bin = makeInstallation(prefix.path());
        // A file where the data directory should be: no folder can be made below it.
        writeFile(home->filePath(QStringLiteral("data")), "not a folder");
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("Cannot prepare")));
        QCOMPARE(DataDirectory::choose(bin, QStringLiteral("korvane")),
                 prefix.filePath(QStringLiteral("share/korvane")));
    }

private:
    std::optional<QTemporaryDir> home;
};

QTEST_GUILESS_MAIN(TestDataDirectory)
#include "test_data_directory.moc"
