// The single-instance guard with real lock files: whatever a crashed or killed copy left behind
// is free, a live copy is not, and a later copy can ask the first one to come forward.
#include "platform/instance_guard.h"

#include <QDir>
#include <QFile>
#include <QLocalSocket>
#include <QProcess>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>
#include <unistd.h>

namespace {

const QString name = QStringLiteral("korvane-test");

enum class Leftover { Empty, Garbage, DeadPid, Folder, DanglingLink, Unreadable };

void leave(const QDir& dir, Leftover kind) {
    const QString lock = dir.filePath(name + QStringLiteral(".lock"));
    QFile file(lock);
    switch (kind) {
    case Leftover::Empty:
        QVERIFY(file.open(QIODevice::WriteOnly));
        break;
    case Leftover::Garbage:
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(QByteArray("\xff\x00\x13garbage\n", 11));
        break;
    case Leftover::DeadPid:
        // What the toolkit's own lock file holds: pid, program, host.
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("2147480000\nkorvane\nlocalhost\n");
        break;
    case Leftover::Folder:
        QVERIFY(dir.mkdir(name + QStringLiteral(".lock")));
        break;
    case Leftover::DanglingLink:
        QVERIFY(QFile::link(dir.filePath(QStringLiteral("nowhere")), lock));
        break;
    case Leftover::Unreadable:
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.close();
        QVERIFY(file.setPermissions({}));
        break;
    }
}

// Points the guard's folder search at private stand-ins for the session's directories.
class Environment {
public:
    Environment(const QString& temporary, const QString& home)
        : runtime(qgetenv("XDG_RUNTIME_DIR")), tmp(qgetenv("TMPDIR")), homeDir(qgetenv("HOME")) {
        qunsetenv("XDG_RUNTIME_DIR");
        qputenv("TMPDIR", QFile::encodeName(temporary));
        qputenv("HOME", QFile::encodeName(home));
    }
    ~Environment() {
        qputenv("XDG_RUNTIME_DIR", runtime);
        qputenv("TMPDIR", tmp);
        qputenv("HOME", homeDir);
    }

private:
    QByteArray runtime, tmp, homeDir;
};

mode_t modeOf(const QString& path) {
    struct stat info {};
    ::lstat(QFile::encodeName(path).constData(), &info);
    return info.st_mode & 07777;
}

} // namespace

class TestInstanceGuard : public QObject {
    Q_OBJECT

private slots:
    void leftoverLockIsFree_data() {
        QTest::addColumn<Leftover>("kind");
        QTest::newRow("empty") << Leftover::Empty;
        QTest::newRow("garbage") << Leftover::Garbage;
        QTest::newRow("dead pid") << Leftover::DeadPid;
        QTest::newRow("folder") << Leftover::Folder;
        QTest::newRow("dangling link") << Leftover::DanglingLink;
        QTest::newRow("unreadable") << Leftover::Unreadable;
    }

    void leftoverLockIsFree() {
        QFETCH(Leftover, kind);
        QTemporaryDir dir;
        leave(QDir(dir.path()), kind);
        InstanceGuard first(dir.path(), name);
        QVERIFY(first.acquire());
        InstanceGuard second(dir.path(), name);
        QVERIFY(!second.acquire());
    }

    void lockOfAKilledCopyIsFree() {
        QTemporaryDir dir;
        QProcess holder;
        // flock holds the lock itself (-o keeps it from the command it runs), as the tool would.
        holder.start(QStringLiteral("flock"),
                     {QStringLiteral("-o"), dir.filePath(name + QStringLiteral(".lock")),
                      QStringLiteral("sleep"), QStringLiteral("5")});
        QVERIFY(holder.waitForStarted());
        InstanceGuard guard(dir.path(), name);
        QTRY_VERIFY(!InstanceGuard(dir.path(), name).acquire());
        holder.kill();
        holder.waitForFinished();
        // The command flock started may still hold the lock for the moment until it lets go.
        QTRY_VERIFY(guard.acquire());
    }

    void laterCopyAsksTheFirstToComeForward_data() {
        QTest::addColumn<QString>("token");
        QTest::addColumn<QString>("received");
        QTest::newRow("no launcher token") << QString() << QString();
        QTest::newRow("launcher token passed on") << "weston-7_TIME1234"
                                                  << "weston-7_TIME1234";
        QTest::newRow("line break cannot split the request") << "abc\nraise\nxyz"
                                                             << "abcraisexyz";
    }

    void laterCopyAsksTheFirstToComeForward() {
        QFETCH(QString, token);
        QFETCH(QString, received);
        QTemporaryDir dir;
        InstanceGuard first(dir.path(), name);
        QVERIFY(first.acquire());
        QSignalSpy raised(&first, &InstanceGuard::raiseRequested);
        InstanceGuard second(dir.path(), name);
        QVERIFY(!second.acquire());
        second.askToRaise(token);
        QTRY_COMPARE(raised.count(), 1);
        QCOMPARE(raised.first().first().toString(), received);
        QTest::qWait(100);
        QCOMPARE(raised.count(), 1);
    }

    // What reaches the first copy's socket from a client that is not a copy of the program: the
    // requests it raised on, and whether it hung up on the client.
    void rawRequest_data() {
        QTest::addColumn<QByteArray>("request");
        QTest::addColumn<int>("raises");
        QTest::addColumn<bool>("hungUp");
        QTest::newRow("an older copy's plain request still raises")
            << QByteArray("raise\n") << 1 << false;
        QTest::newRow("an endless line is no request") << QByteArray(64 * 1024, 'r') + "\nraise\n"
                                                       << 0 << true;
    }

    void rawRequest() {
        QFETCH(QByteArray, request);
        QFETCH(int, raises);
        QFETCH(bool, hungUp);
        QTemporaryDir dir;
        InstanceGuard first(dir.path(), name);
        QVERIFY(first.acquire());
        QSignalSpy raised(&first, &InstanceGuard::raiseRequested);
        QLocalSocket socket;
        socket.connectToServer(dir.filePath(name + QStringLiteral(".socket")));
        QVERIFY(socket.waitForConnected(2000));
        socket.write(request);
        socket.waitForBytesWritten(2000);
        if (hungUp)
            QTRY_COMPARE(socket.state(), QLocalSocket::UnconnectedState);
        else
            QTRY_COMPARE(raised.count(), raises);
        QTest::qWait(100);
        QCOMPARE(raised.count(), raises);
        for (const QList<QVariant>& call : raised)
            QCOMPARE(call.first().toString(), QString());
    }

    void fallbackFolderIsPrivate_data() {
        QTest::addColumn<QString>("found"); // "none", "foreign", "open", "link"
        QTest::addColumn<bool>("inTemporary");
        QTest::newRow("made private") << "none" << true;
        QTest::newRow("own folder closed to others") << "open" << true;
        QTest::newRow("another user's folder refused") << "foreign" << false;
        QTest::newRow("link refused") << "link" << false;
    }

    void fallbackFolderIsPrivate() {
        QFETCH(QString, found);
        QFETCH(bool, inTemporary);
        QTemporaryDir temporary;
        QTemporaryDir home;
        const QString shared = temporary.filePath(QStringLiteral("korvane-%1").arg(::getuid()));
        const QString elsewhere = temporary.filePath(QStringLiteral("elsewhere"));
        if (found == QLatin1String("foreign") || found == QLatin1String("open")) {
            QVERIFY(QDir().mkdir(shared));
            QVERIFY(::chmod(QFile::encodeName(shared).constData(), 0777) == 0);
        }
        if (found == QLatin1String("foreign") &&
            ::chown(QFile::encodeName(shared).constData(), 65534, 65534) != 0)
            QSKIP("a folder of another user cannot be made here (needs root)");
        if (found == QLatin1String("link")) {
            QVERIFY(QDir().mkdir(elsewhere));
            QVERIFY(QFile::link(elsewhere, shared));
        }

        const Environment environment(temporary.path(), home.path());
        const QString directory = InstanceGuard::privateDirectory();
        QCOMPARE(directory, inTemporary ? shared : home.filePath(QStringLiteral(".cache/korvane")));
        QCOMPARE(modeOf(directory), mode_t(0700));
        if (found == QLatin1String("foreign"))
            QCOMPARE(modeOf(shared), mode_t(0777));
    }
};

QTEST_GUILESS_MAIN(TestInstanceGuard)
#include "test_instance_guard.moc"
