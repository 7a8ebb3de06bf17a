// The whole program on an X server: its own close button ends it with exit code 0.
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

namespace {

QString runXdotool(const QStringList& arguments) {
    QProcess xdotool;
    xdotool.start(QStringLiteral("xdotool"), arguments);
    xdotool.waitForFinished(5000);
    return QString::fromLatin1(xdotool.readAllStandardOutput()).trimmed();
}

} // namespace

class TestCloseX11 : public QObject {
    Q_OBJECT

private slots:
    void closeButtonEndsTheProgramWithExitCodeZero() {
        QTemporaryDir runtime;
        QProcess tool;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime.path());
        tool.setProcessEnvironment(env);
        tool.start(QStringLiteral(KORVANE_EXECUTABLE), {});
        QVERIFY(tool.waitForStarted());

        QString window;
        QTRY_VERIFY_WITH_TIMEOUT(
            !(window = runXdotool({QStringLiteral("search"), QStringLiteral("--name"),
                                   QStringLiteral("Korvane Keyboard 1.0")}))
                 .isEmpty(),
            20000);
        // The top bar slides in after the opening animation, which takes longer on a loaded
        // machine; its close button sits at the right. Clicked until the program ends, a few
        // seconds apart: each click restarts the closing animation (0.8 s).
        for (int click = 0; click < 20 && tool.state() != QProcess::NotRunning; ++click) {
            runXdotool({QStringLiteral("mousemove"), QStringLiteral("--window"), window,
                        QStringLiteral("976"), QStringLiteral("16"), QStringLiteral("click"),
                        QStringLiteral("1")});
            tool.waitForFinished(5000);
        }
        QCOMPARE(tool.state(), QProcess::NotRunning);
        QCOMPARE(tool.exitStatus(), QProcess::NormalExit);
        QCOMPARE(tool.exitCode(), 0);
    }
};

QTEST_GUILESS_MAIN(TestCloseX11)
#include "test_close_x11.moc"
