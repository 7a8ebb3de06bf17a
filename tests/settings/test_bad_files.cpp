// Damaged settings files do no harm: every read gives its empty result, nothing crashes and
// nothing waits: a pipe or device in place of a file, or a lock file left by a killed copy.
#include "settings_sandbox.h"
#include "view_under_test.h"

#include <QRandomGenerator>
#include <QTest>

#include <sys/inotify.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

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

// Notices every open of one file. An open that waits (a pipe without writer) would hang the
// test, which the test's time-out reports; this sees the opens that return.
class OpenWatch {
public:
    explicit OpenWatch(const QString& path)
        : fd(::inotify_init1(IN_NONBLOCK | IN_CLOEXEC)),
          watch(::inotify_add_watch(fd, QFile::encodeName(path).constData(), IN_OPEN)) {}
    ~OpenWatch() { ::close(fd); }
    OpenWatch(const OpenWatch&) = delete;
    OpenWatch& operator=(const OpenWatch&) = delete;

    bool isWatching() const { return watch >= 0; }
    // Other events come too: a save that replaces the file ends the watch (IN_IGNORED).
    bool wasOpened() const {
        alignas(inotify_event) char events[4096];
        const ssize_t length = ::read(fd, events, sizeof events);
        for (ssize_t at = 0; at < length;) {
            const auto* event = reinterpret_cast<const inotify_event*>(events + at);
            if (event->mask & IN_OPEN)
                return true;
            at += ssize_t(sizeof(inotify_event) + event->len);
        }
        return false;
    }

private:
    int fd;
    int watch;
};

// Opening a pipe or a terminal for reading can wait for ever: such files are never opened.
bool mustStayClosed(Damage kind) {
    return kind == Damage::Pipe || kind == Damage::Device;
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
        const OpenWatch opens(sandbox.path(file));
        QVERIFY(opens.isWatching());
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
        if (mustStayClosed(kind))
            QVERIFY(!opens.wasOpened());
    }

    // A kill during a save can leave the settings library's lock file behind, empty. A save
    // must not wait for it to grow old (the library waits 30 s): it never looks at the lock.
    void leftoverLockFileDoesNotHoldUpASave() {
        SettingsSandbox sandbox;
        const QString lock = QStringLiteral("modules/setting/apConfig.bin.lock");
        sandbox.write(lock, {});
        const OpenWatch opens(sandbox.path(lock));
        QVERIFY(opens.isWatching());
        {
            ViewUnderTest view;
            view->saveApConfig({4, 5});
            QVERIFY(view->apConfigSettings->sync());
            QVERIFY(view.dialogs->warnings.isEmpty());
        }
        QVERIFY(!opens.wasOpened());
        QVERIFY(sandbox.exists(lock));
        ViewUnderTest restarted;
        QCOMPARE(restarted->loadApConfig(), (QVariantList{"4", "5"}));
    }
};

QTEST_MAIN(TestBadFiles)
#include "test_bad_files.moc"
