// The tool on a Wayland desktop: weston, the reference compositor, runs as a window of the test's
// X server (its X11 backend gives it a seat with a pointer and a keyboard) without XWayland, and
// the tool is started as a desktop would start it. It must come up as a native Wayland client,
// move when its frame is dragged, show each device page, close with exit code 0, and stay the
// only copy. The same program is first shown straight on the X server, at a known place, to learn
// where its outline lies and what each page looks like.
#include "desktop_stage.h"

#include <QTest>

using namespace DesktopStage;

namespace {

constexpr QRgb westonBackground = 0x204060;
const QSize westonOutput(1240, 760);
// Scene points: an empty spot of the frame, the close button, the function menu's entries and
// the area where the device pages show.
const QPoint frameSpot(500, 70);
const QPoint closeButton(976, 16);
const QPoint keyEntry(83, 114), macroEntry(83, 156), colorEntry(83, 197), backEntry(83, 239);
const QRect pageArea(200, 120, 740, 420);
const QList<QPoint> pageEntries{macroEntry, colorEntry, backEntry, keyEntry};
const QStringList pageNames{QStringLiteral("macro"), QStringLiteral("color"),
                            QStringLiteral("backlighting"), QStringLiteral("key")};

QString shotPath(const QString& name) {
    const QString dir = QStringLiteral(KORVANE_BIN_DIR "/../screenshots/wayland");
    QDir().mkpath(dir);
    return dir + QLatin1Char('/') + name + QStringLiteral(".png");
}

// The window's outline within `area`, once the whole picture has stayed the same for a second
// (the opening animation has ended; the page shown first does not move).
QRect settledBounds(QRgb background, QRect area, int timeoutMs = 90000) {
    QImage previous;
    for (int waited = 0; waited < timeoutMs; waited += 1000) {
        const QImage now = screen().copy(area);
        const QRect bounds = boundsAgainst(now, background, now.rect());
        if (bounds.width() > 900 && meanDifference(now, previous) < 0.05)
            return bounds.translated(area.topLeft());
        previous = now;
        QTest::qWait(1000);
    }
    return {};
}

QImage pageCrop(QPoint origin) {
    return screen().copy(pageArea.translated(origin));
}

void showEachPage(QPoint origin, QList<QImage>& pages) {
    for (const QPoint& entry : pageEntries) {
        click(origin + entry);
        // Pages fade in; the lighting previews move, which the comparison tolerates.
        QTest::qWait(2500);
        pages.append(pageCrop(origin));
    }
}

} // namespace

class TestWaylandWeston : public QObject {
    Q_OBJECT

    QTemporaryDir westonRuntime;
    QProcess weston;
    QString socket;
    // Learnt on the X server: where the outline begins relative to the window, and each page.
    QPoint outlineOffset;
    QList<QImage> referencePages;

    QMap<QString, QString> waylandSession() const {
        return {{QStringLiteral("WAYLAND_DISPLAY"), socket},
                {QStringLiteral("XDG_SESSION_TYPE"), QStringLiteral("wayland")},
                {QStringLiteral("QT_QPA_PLATFORM"), QString()}};
    }

    // The window's origin in weston's output, from its outline.
    QPoint westonOrigin(QRect bounds) const { return bounds.topLeft() - outlineOffset; }

    QRect westonArea() const { return QRect(QPoint(0, 0), westonOutput); }

private slots:
    void initTestCase() {
        learnTheWindowOnTheXServer();
        startWeston();
    }

    void cleanupTestCase() {
        weston.terminate();
        weston.waitForFinished(10000);
    }

    void toolIsANativeWaylandClientAndTheOnlyCopy() {
        ToolCopy copy(QStringLiteral("korvane"));
        QProcess tool;
        QMap<QString, QString> env = waylandSession();
        env.insert(QStringLiteral("WAYLAND_DEBUG"), QStringLiteral("client"));
        copy.start(tool, env);
        QVERIFY(tool.waitForStarted());
        QByteArray protocol;
        connect(&tool, &QProcess::readyReadStandardError, this,
                [&] { protocol += tool.readAllStandardError(); });
        const QRect bounds = settledBounds(westonBackground, westonArea());
        QVERIFY2(bounds.isValid(), "the window never showed in weston's output");
        grabToFile(QStringLiteral("korvane-under-weston"));

        // It speaks the Wayland protocol as a toplevel of the xdg shell, and has no X window,
        // although the X server was there for it to use.
        QVERIFY(protocol.contains("xdg_wm_base"));
        QVERIFY(protocol.contains("get_toplevel"));
        QCOMPARE(xdotool({QStringLiteral("search"), QStringLiteral("--name"),
                          QStringLiteral("Korvane Keyboard")}),
                 QString());

        QProcess second;
        copy.start(second, waylandSession());
        QVERIFY(second.waitForFinished(60000));
        QCOMPARE(second.exitCode(), 1);
        QCOMPARE(tool.state(), QProcess::Running);

        // The close button folds the scene (0.8 s) and ends the program.
        const QPoint origin = westonOrigin(bounds);
        for (int attempt = 0; attempt < 10 && tool.state() != QProcess::NotRunning; ++attempt) {
            click(origin + closeButton);
            tool.waitForFinished(5000);
        }
        QCOMPARE(tool.state(), QProcess::NotRunning);
        QCOMPARE(tool.exitStatus(), QProcess::NormalExit);
        QCOMPARE(tool.exitCode(), 0);
    }

    void demoMovesWhenItsFrameIsDraggedAndShowsEachPage() {
        ToolCopy copy(QStringLiteral("korvane-demo"));
        QProcess tool;
        copy.start(tool, waylandSession());
        QVERIFY(tool.waitForStarted());
        const QRect before = settledBounds(westonBackground, westonArea());
        QVERIFY2(before.isValid(), "the window never showed in weston's output");
        grabToFile(QStringLiteral("demo-before-drag"));

        // Towards the middle of the output, where the whole window stays in sight.
        const QPoint towardsMiddle = QRect(QPoint(0, 0), westonOutput).center() - before.center();
        const QPoint by(towardsMiddle.x() < 0 ? -60 : 60, towardsMiddle.y() < 0 ? -40 : 40);
        const QPoint from = westonOrigin(before) + frameSpot;
        drag(from, from + by);
        pointerTo(QPoint(westonOutput.width() - 5, westonOutput.height() - 5));
        const QRect after = settledBounds(westonBackground, westonArea());
        grabToFile(QStringLiteral("demo-after-drag"));
        QCOMPARE(after.size(), before.size());
        QCOMPARE(after.topLeft(), before.topLeft() + by);

        QList<QImage> pages;
        showEachPage(westonOrigin(after), pages);
        grabToFile(QStringLiteral("demo-key-page"));
        for (int shown = 0; shown < pages.size(); ++shown) {
            // Each page looks most like the same page on the X server.
            int nearest = -1;
            double nearestDifference = 256;
            for (int reference = 0; reference < referencePages.size(); ++reference) {
                const double difference = meanDifference(pages[shown], referencePages[reference]);
                if (difference < nearestDifference) {
                    nearestDifference = difference;
                    nearest = reference;
                }
            }
            QVERIFY2(nearest == shown,
                     qPrintable(pageNames[shown] + QStringLiteral(" page looks like the ") +
                                (nearest < 0 ? QStringLiteral("none") : pageNames[nearest])));
            QVERIFY2(nearestDifference < 12, qPrintable(QString::number(nearestDifference)));
        }
        tool.terminate();
        QVERIFY(tool.waitForFinished(20000));
    }

private:
    void grabToFile(const QString& name) { screen().copy(westonArea()).save(shotPath(name)); }

    // The demo straight on the X server (nothing else is shown there yet), moved to a known place.
    void learnTheWindowOnTheXServer() {
        ToolCopy copy(QStringLiteral("korvane-demo"));
        QProcess tool;
        copy.start(tool, {{QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb")},
                          {QStringLiteral("WAYLAND_DISPLAY"), QString()},
                          {QStringLiteral("XDG_SESSION_TYPE"), QString()}});
        QVERIFY(tool.waitForStarted());
        QString window;
        QTRY_VERIFY_WITH_TIMEOUT(
            !(window = xdotool({QStringLiteral("search"), QStringLiteral("--name"),
                                QStringLiteral("Korvane Keyboard")}))
                 .isEmpty(),
            60000);
        const QPoint origin(100, 80);
        xdotool({QStringLiteral("windowmove"), window, QString::number(origin.x()),
                 QString::number(origin.y())});
        const QRgb desktop = screen().pixel(2, 2);
        const QRect bounds = settledBounds(desktop, QRect(QPoint(0, 0), screen().size()));
        QVERIFY2(bounds.isValid(), "the window never showed on the X server");
        outlineOffset = bounds.topLeft() - origin;
        showEachPage(origin, referencePages);
        tool.terminate();
        QVERIFY(tool.waitForFinished(20000));
    }

    void startWeston() {
        QFile config(westonRuntime.filePath(QStringLiteral("weston.ini")));
        QVERIFY(config.open(QIODevice::WriteOnly));
        config.write("[core]\nidle-time=0\n"
                     "[shell]\nbackground-color=0xff204060\npanel-position=none\nlocking=false\n"
                     "animation=none\nstartup-animation=none\nclose-animation=none\n"
                     "focus-animation=none\n");
        config.close();
        QFile::setPermissions(westonRuntime.path(), QFileDevice::ReadOwner |
                                                        QFileDevice::WriteOwner |
                                                        QFileDevice::ExeOwner);
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("XDG_RUNTIME_DIR"), westonRuntime.path());
        weston.setProcessEnvironment(env);
        weston.setProcessChannelMode(QProcess::MergedChannels);
        weston.start(QStringLiteral("weston"),
                     {QStringLiteral("--backend=x11-backend.so"),
                      QStringLiteral("--socket=korvane-weston"),
                      QStringLiteral("--config=") + config.fileName(),
                      QStringLiteral("--width=%1").arg(westonOutput.width()),
                      QStringLiteral("--height=%1").arg(westonOutput.height())});
        if (!weston.waitForStarted())
            QSKIP("weston cannot be started here (is the weston package installed?)");
        socket = westonRuntime.filePath(QStringLiteral("korvane-weston"));
        for (int waited = 0; waited < 20000 && !QFile::exists(socket); waited += 100) {
            if (weston.state() == QProcess::NotRunning)
                break;
            QTest::qWait(100);
        }
        if (!QFile::exists(socket) || weston.state() != QProcess::Running)
            QSKIP(qPrintable(QStringLiteral("weston cannot start here: ") +
                             QString::fromLocal8Bit(weston.readAll()).right(600)));
        // The desktop shell paints the background a moment after the socket appears.
        QTRY_COMPARE_WITH_TIMEOUT(screen().pixel(westonOutput.width() / 2, 5) & 0xffffff,
                                  westonBackground, 20000);
    }
};

QTEST_MAIN(TestWaylandWeston)
#include "test_wayland_weston.moc"
