// Dragging the frameless window on an X server: with a window manager (openbox, which implements
// _NET_WM_MOVERESIZE) the manager moves it; on a bare server, which refuses, the pointer's deltas
// move it as before.
#include "desktop_stage.h"

#include <QTest>

using namespace DesktopStage;

namespace {

const QPoint frameSpot(500, 70);

QPoint windowPosition(const QString& window) {
    const QString shell =
        xdotool({QStringLiteral("getwindowgeometry"), QStringLiteral("--shell"), window});
    QPoint position;
    for (const QString& line : shell.split(QLatin1Char('\n'))) {
        if (line.startsWith(QStringLiteral("X=")))
            position.setX(line.mid(2).toInt());
        if (line.startsWith(QStringLiteral("Y=")))
            position.setY(line.mid(2).toInt());
    }
    return position;
}

} // namespace

class TestWindowMoveX11 : public QObject {
    Q_OBJECT

    // Starts the demo, drags its frame by `by` and returns what it logged about the move.
    QByteArray dragTheFrame(QPoint by, QPoint& moved) {
        ToolCopy copy(QStringLiteral("korvane-demo"));
        QProcess tool;
        tool.setProcessChannelMode(QProcess::MergedChannels);
        copy.start(tool, {{QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb")},
                          {QStringLiteral("WAYLAND_DISPLAY"), QString()},
                          {QStringLiteral("XDG_SESSION_TYPE"), QString()},
                          {QStringLiteral("QT_LOGGING_RULES"),
                           QStringLiteral("korvane.window.debug=true")}});
        if (!tool.waitForStarted())
            return {};
        QString window;
        for (int waited = 0; waited < 60000 && window.isEmpty(); waited += 200) {
            window = xdotool({QStringLiteral("search"), QStringLiteral("--name"),
                              QStringLiteral("Korvane Keyboard")});
            QTest::qWait(200);
        }
        if (window.isEmpty())
            return {};
        xdotool({QStringLiteral("windowmove"), window, QStringLiteral("60"), QStringLiteral("50")});
        // The opening animation slides the frame in; its top bar must be there to be dragged.
        QTest::qWait(8000);
        const QPoint before = windowPosition(window);
        drag(before + frameSpot, before + frameSpot + by);
        QTest::qWait(500);
        moved = windowPosition(window) - before;
        tool.terminate();
        tool.waitForFinished(20000);
        return tool.readAll();
    }

private slots:
    void bareServerMovesByThePointersDeltas() {
        QPoint moved;
        const QByteArray log = dragTheFrame(QPoint(70, 40), moved);
        QVERIFY2(log.contains("the window system refuses to move the window"), log.constData());
        QCOMPARE(moved, QPoint(70, 40));
    }

    void windowManagerMovesTheWindow() {
        QProcess manager;
        manager.start(QStringLiteral("openbox"), {});
        if (!manager.waitForStarted())
            QSKIP("openbox cannot be started here (is the openbox package installed?)");
        QTest::qWait(1000);
        QPoint moved;
        const QByteArray log = dragTheFrame(QPoint(-40, 90), moved);
        manager.terminate();
        manager.waitForFinished(10000);
        QVERIFY2(log.contains("the window system moves the window"), log.constData());
        QVERIFY2(!log.contains("refuses"), log.constData());
        QCOMPARE(moved, QPoint(-40, 90));
    }
};

QTEST_MAIN(TestWindowMoveX11)
#include "test_window_move_x11.moc"
