// Runs the real executable: single-instance guard, working directory and exit code.
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

namespace {

const QString executable = QStringLiteral(KORVANE_EXECUTABLE);

// A desktop session's runtime directory, which the toolkit itself expects to exist.
const QTemporaryDir& sessionRuntimeDirectory() {
    static QTemporaryDir dir;
    return dir;
}

void startTool(QProcess& process, const QString& program, const QString& workingDirectory) {
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    env.insert(QStringLiteral("XDG_RUNTIME_DIR"), sessionRuntimeDirectory().path());
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
        QVERIFY(second.waitForFinished(1000));
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
};

QTEST_GUILESS_MAIN(TestProcess)
#include "test_process.moc"
