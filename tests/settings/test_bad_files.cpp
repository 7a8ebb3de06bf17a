// Damaged settings files do no harm: every read gives its empty result, nothing crashes and
// nothing waits: a pipe or device in place of a file, or a lock file left by a killed copy.
#include "settings_sandbox.h"
#include "view_under_test.h"

#include <QElapsedTimer>
#include <QRandomGenerator>
#include <QTest>

#include <sys/stat.h>
#include <sys/sysmacros.h>

namespace {

enum class Damage { Garbage, Empty, Huge, Unreadable, Pipe, Device };

QByteArray garbage(qsizetype size) {
    QByteArray bytes(size, Qt::Uninitialized);
    QRandomGenerator generator(20261210);
    for (char& byte : bytes)
        byte = char(generator.bounded(256));
    return bytes;
}

// False when this kind of damage cannot be made here.
bool damage(const SettingsSandbox& sandbox, const QString& file, Damage kind) {
    switch (kind) {
    case Damage::Garbage:
        sandbox.write(file, garbage(64 * 1024));
        break;
    case Damage::Empty:
        sandbox.write(file, {});
        break;
    case Damage::Huge:
        sandbox.write(file, garbage(32 * 1024 * 1024));
        break;
    case Damage::Unreadable:
        // A folder cannot be read as a file, even by a user allowed to read everything.
        QDir(sandbox.path(QString())).mkpath(file);
        break;
    case Damage::Pipe:
        // Opened the ordinary way, a pipe with no writer blocks the reader for ever.
        return ::mkfifo(QFile::encodeName(sandbox.path(file)).constData(), 0600) == 0;
    case Damage::Device:
        // A terminal: opening it could make it the controlling terminal or wait for a carrier.
        return ::mknod(QFile::encodeName(sandbox.path(file)).constData(), S_IFCHR | 0600,
                       makedev(5, 0)) == 0;
    }
    return true;
}

} // namespace

class TestBadFiles : public QObject {
    Q_OBJECT

private slots:
    void everyReadIsEmpty_data() {
        QTest::addColumn<QString>("file");
        QTest::addColumn<Damage>("kind");
        const QStringList files{"modules/setting/p1.bin",        "modules/setting/apConfig.bin",
                                "modules/setting/apConfigD.bin", "modules/setting/HWDef.bin",
                                "modules/setting/pD.bin",        "modules/i18n/lang_031000.ini"};
        const QList<std::pair<const char*, Damage>> kinds{
            {"garbage", Damage::Garbage}, {"empty", Damage::Empty},
            {"huge", Damage::Huge},       {"unreadable", Damage::Unreadable},
            {"pipe", Damage::Pipe},       {"device", Damage::Device}};
        for (const QString& file : files) {
            for (const auto& [name, kind] : kinds)
                QTest::addRow("%s %s", qPrintable(file.section('/', -1)), name) << file << kind;
        }
    }

    void everyReadIsEmpty() {
        QFETCH(QString, file);
        QFETCH(Damage, kind);
        SettingsSandbox sandbox;
        if (!damage(sandbox, file, kind))
            QSKIP("this kind of file cannot be made here (device files need root)");
        QElapsedTimer clock;
        clock.start();
        {
            ViewUnderTest view;
            for (int n = 0; n < 126; ++n)
                QCOMPARE(view->getKeydefine(n), QVariantList());
            QCOMPARE(view->loadApConfig(), QVariantList());
            QCOMPARE(view->loadApConfig(true), QVariantList());
            QCOMPARE(view->loadHWDef(), (QVariantList{0, 0, QVariantList()}));
            QCOMPARE(view->getGlobalStrings(QStringLiteral("031000")), QStringList{QString()});
            // Writing over a damaged file must not crash either.
            view->saveApConfig({1, 2, 3});
            view->resetProfile(1);
        }
        QVERIFY2(clock.elapsed() < 30000, qPrintable(QString::number(clock.elapsed())));
    }

    // A kill during a save can leave the settings library's lock file behind, empty. A save
    // must not wait for it to grow old (the library waits 30 s).
    void leftoverLockFileDoesNotHoldUpASave() {
        SettingsSandbox sandbox;
        sandbox.write(QStringLiteral("modules/setting/apConfig.bin.lock"), {});
        QElapsedTimer clock;
        clock.start();
        {
            ViewUnderTest view;
            view->saveApConfig({4, 5});
            QVERIFY(view->apConfigSettings->sync());
            QVERIFY(view.dialogs->warnings.isEmpty());
        }
        QVERIFY2(clock.elapsed() < 10000, qPrintable(QString::number(clock.elapsed())));
        ViewUnderTest restarted;
        QCOMPARE(restarted->loadApConfig(), (QVariantList{"4", "5"}));
    }
};

QTEST_MAIN(TestBadFiles)
#include "test_bad_files.moc"
