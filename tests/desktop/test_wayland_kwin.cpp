// The tool inside KWin, Plasma's compositor: the real kwin_wayland (5.27 on Debian 12) runs
// headless on the suite's private session bus, and korvane-demo is started on it as a native
// Wayland client. Its window maps at the scene's size; a second start hands the launcher's
// activation token to the first, which KWin then makes the active window. KWin's output is
// photographed as a user would see it.
#include "desktop_stage.h"
#include "headless_kwin.h"

#include <QTest>

using namespace DesktopStage;

namespace {

const QString toolId = QStringLiteral("org.korvane.Keyboard");
const QString launcherId = QStringLiteral("org.korvane.TestLauncher");
const QSize sceneSize(1000, 600);

QString shotPath(const QString& name) {
    const QString dir = QStringLiteral(KORVANE_BIN_DIR "/../screenshots/kwin");
    QDir().mkpath(dir);
    return dir + QLatin1Char('/') + name + QStringLiteral(".png");
}

// The suites' launcher on KWin: it tells when KWin gives or takes its focus, and hands out
// activation tokens.
class Launcher {
public:
    explicit Launcher(const QProcessEnvironment& environment) {
        process.setProcessEnvironment(environment);
        process.start(QStringLiteral(KORVANE_ACTIVATION_LAUNCHER), {launcherId});
    }
    ~Launcher() {
        process.closeWriteChannel();
        if (!process.waitForFinished(10000))
            process.kill();
        process.waitForFinished();
    }

    // Waits for this line from the launcher; false when it never came.
    bool says(const QString& line) {
        return QTest::qWaitFor(
                   [&] {
                       while (process.canReadLine())
                           heard.append(QString::fromUtf8(process.readLine()).trimmed());
                       return heard.contains(line) || process.state() == QProcess::NotRunning;
                   },
                   30000) &&
               heard.removeOne(line);
    }

    // A token for starting the program of this app id; empty when the compositor gave none.
    QString token(const QString& appId) {
        process.write("token " + appId.toUtf8() + '\n');
        QString line;
        const bool answered = QTest::qWaitFor(
            [&] {
                if (!process.canReadLine())
                    return process.state() == QProcess::NotRunning;
                line = QString::fromUtf8(process.readLine()).trimmed();
                if (line.startsWith(QStringLiteral("token ")))
                    return true;
                heard.append(line);
                return false;
            },
            30000);
        return answered ? line.mid(6) : QString();
    }

private:
    QProcess process;
    QStringList heard;
};

} // namespace

class TestWaylandKwin : public QObject {
    Q_OBJECT

    std::unique_ptr<HeadlessKwin> kwin;

    QMap<QString, QString> waylandSession() const {
        QMap<QString, QString> session = windowEvents;
        session.insert({{QStringLiteral("WAYLAND_DISPLAY"), kwin->displaySocket()},
                        {QStringLiteral("XDG_SESSION_TYPE"), QStringLiteral("wayland")},
                        {QStringLiteral("DISPLAY"), QString()},
                        {QStringLiteral("QT_QPA_PLATFORM"), QString()}});
        return session;
    }

    // KWin's output once two pictures in a row are the same.
    QImage stillShot() {
        QImage previous = kwin->screenshot();
        QImage now;
        return QTest::qWaitFor(
                   [&] {
                       now = kwin->screenshot();
                       const bool same = !now.isNull() && now == previous;
                       previous = now;
                       return same;
                   },
                   30000)
                   ? now
                   : QImage();
    }

private slots:
    void initTestCase() {
        kwin = std::make_unique<HeadlessKwin>();
        if (const QString trouble = kwin->start(); !trouble.isEmpty())
            QSKIP(qPrintable(trouble));
    }

    void cleanupTestCase() { kwin.reset(); }

    void demoMapsAtTheSceneSizeAndASecondStartBringsItToTheFront() {
        ToolCopy copy(QStringLiteral("korvane-demo"));
        QProcess tool;
        copy.start(tool, waylandSession());
        QVERIFY(tool.waitForStarted());
        ToolLog log(tool);
        QJsonObject window;
        QVERIFY(
            QTest::qWaitFor([&] { return !(window = kwin->windowOf(toolId)).isEmpty(); }, 60000));
        QCOMPARE(QSize(window.value(QStringLiteral("width")).toInt(),
                       window.value(QStringLiteral("height")).toInt()),
                 sceneSize);
        QCOMPARE(window.value(QStringLiteral("caption")).toString(),
                 QStringLiteral("Korvane Keyboard 1.0"));
        QCOMPARE(kwin->activeApplication(), toolId);
        QVERIFY(log.waitForTheOpening());
        const QImage shot = stillShot();
        QVERIFY(!shot.isNull());
        shot.save(shotPath(QStringLiteral("korvane-demo-in-kwin")));

        // A launcher takes the focus, as a panel does when it is clicked.
        Launcher launcher(kwin->clientEnvironment());
        QVERIFY(launcher.says(QStringLiteral("active")));
        QCOMPARE(kwin->activeApplication(), launcherId);

        // Started from the launcher with its token: the running window comes to the front.
        const QString token = launcher.token(toolId);
        QVERIFY(!token.isEmpty());
        QMap<QString, QString> launched = waylandSession();
        launched.insert(QStringLiteral("XDG_ACTIVATION_TOKEN"), token);
        QProcess second;
        copy.start(second, launched);
        QVERIFY(second.waitForFinished(60000));
        QCOMPARE(second.exitCode(), 1);
        QVERIFY(launcher.says(QStringLiteral("inactive")));
        QCOMPARE(kwin->activeApplication(), toolId);
        QCOMPARE(tool.state(), QProcess::Running);

        tool.terminate();
        QVERIFY(tool.waitForFinished(20000));
    }
};

QTEST_MAIN(TestWaylandKwin)
#include "test_wayland_kwin.moc"
