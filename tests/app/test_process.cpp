// Runs the real executable: single-instance guard, working directory and exit code.
#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <unistd.h>

namespace {

const QString executable = QStringLiteral(KORVANE_EXECUTABLE);

// Bounds only a hang: a second copy ends at once, but how long starting it takes depends on the
// machine's load.
constexpr int exitBoundMs = 60000;

// A desktop session's runtime directory, which the toolkit itself expects to exist.
const QTemporaryDir& sessionRuntimeDirectory() {
    static QTemporaryDir dir;
    return dir;
}

QProcessEnvironment sessionEnvironment() {
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    env.insert(QStringLiteral("XDG_RUNTIME_DIR"), sessionRuntimeDirectory().path());
    return env;
}

void startTool(QProcess& process, const QString& program, const QString& workingDirectory,
               const QProcessEnvironment& env = sessionEnvironment()) {
    process.setProcessEnvironment(env);
    process.setWorkingDirectory(workingDirectory);
    process.start(program, {});
    QVERIFY(process.waitForStarted());
}

QString workingDirectoryOf(const QProcess& process) {
    return QFileInfo(QStringLiteral("/proc/%1/cwd").arg(process.processId())).symLinkTarget();
}

void stopTool(QProcess& process) {
    process.terminate();
    if (!process.waitForFinished(5000))
        process.kill();
    process.waitForFinished(5000);
}

// The first copy keeps running and a second one, started the same way, ends with code 1.
void expectOneCopy(const QProcessEnvironment& env) {
    QProcess first;
    startTool(first, executable, QDir::tempPath(), env);
    QTRY_COMPARE_WITH_TIMEOUT(workingDirectoryOf(first), QFileInfo(executable).absolutePath(),
                              10000);
    QVERIFY(!first.waitForFinished(1500));
    QProcess second;
    startTool(second, executable, QDir::tempPath(), env);
    QVERIFY(second.waitForFinished(exitBoundMs));
    QCOMPARE(second.exitCode(), 1);
    QCOMPARE(first.state(), QProcess::Running);
    stopTool(first);
}

} // namespace

class TestProcess : public QObject {
    Q_OBJECT

private slots:
    void secondCopyExitsAtOnceWhileACopyElsewhereRuns() {
        QTemporaryDir elsewhere;
        QProcess first;
        startTool(first, executable, elsewhere.path());
        // The working directory becomes the executable's own directory, wherever it was started.
        const QString binDir = QFileInfo(executable).absolutePath();
        QTRY_COMPARE_WITH_TIMEOUT(workingDirectoryOf(first), binDir, 10000);
        QTest::qWait(500);

        QProcess second;
        startTool(second, executable, elsewhere.path());
        QVERIFY(second.waitForFinished(exitBoundMs));
        QCOMPARE(second.exitStatus(), QProcess::NormalExit);
        QCOMPARE(second.exitCode(), 1);
        QVERIFY(second.readAllStandardOutput().isEmpty());
        const QByteArray errors = second.readAllStandardError();
        QVERIFY2(errors.isEmpty(), errors.constData());
        QCOMPARE(first.state(), QProcess::Running);

        const QString copy = elsewhere.filePath(QStringLiteral("korvane"));
        QVERIFY(QFile::copy(executable, copy));
        QProcess third;
        startTool(third, copy, binDir);
        QTRY_COMPARE_WITH_TIMEOUT(workingDirectoryOf(third), QDir(elsewhere.path()).canonicalPath(),
                                  10000);
        QVERIFY(!third.waitForFinished(1500));

        stopTool(third);
        stopTool(first);
    }

    // What a power cut while the lock was being made leaves behind.
    void leftoverEmptyLockDoesNotStopAStart() {
        const QByteArray hash = QCryptographicHash::hash(
            QFileInfo(executable).canonicalFilePath().toUtf8(), QCryptographicHash::Sha1);
        const QString lock =
            QDir(sessionRuntimeDirectory().path())
                .filePath("korvane-" + QString::fromLatin1(hash.toHex()) + ".lock");
        for (const QString& leftover : {lock, lock + QStringLiteral(".rmlock")}) {
            QFile file(leftover);
            QVERIFY(file.open(QIODevice::WriteOnly));
        }
        expectOneCopy(sessionEnvironment());
    }

    // Without a runtime directory the shared temporary directory is used, where another user
    // may have taken the tool's folder name first.
    void foreignFallbackFolderDoesNotStopAStart() {
        QTemporaryDir temporary;
        QTemporaryDir home;
        const QString taken = temporary.filePath(QStringLiteral("korvane-%1").arg(::getuid()));
        QVERIFY(QDir().mkdir(taken));
        if (::chown(QFile::encodeName(taken).constData(), 65534, 65534) != 0)
            QSKIP("a folder of another user cannot be made here (needs root)");
        QProcessEnvironment env = sessionEnvironment();
        env.remove(QStringLiteral("XDG_RUNTIME_DIR"));
        env.insert(QStringLiteral("TMPDIR"), temporary.path());
        env.insert(QStringLiteral("HOME"), home.path());
        expectOneCopy(env);
        QVERIFY(QDir(taken).isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestProcess)
#include "test_process.moc"
