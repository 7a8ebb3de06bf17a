// Keys typed into another application on the X display reach the scene, and still reach that
// application.
#include "key_report_recorder.h"
#include "keys/xinput_key_listener.h"

#include <QProcess>
#include <QTest>

#include <X11/Xlib.h>
#include <X11/extensions/XTest.h>

#include <memory>

namespace {

using Report = KeyReportRecorder::Report;

// X key codes of the keys the tests type (Linux input code + 8).
constexpr int keyA = 38;
constexpr int keyB = 56;
constexpr int keyEnter = 36;
constexpr int keyKeypadEnter = 104;
constexpr int keyLeftAlt = 64;
constexpr int keyPrint = 107;
constexpr int keyLeftControl = 37;
constexpr int keyPause = 127;
constexpr int keyRightShift = 62;

// A plain window of another X client that holds the keyboard focus and keeps the keys it gets.
class OtherApplication {
public:
    OtherApplication() : display(XOpenDisplay(nullptr)) {
        window = XCreateSimpleWindow(display, DefaultRootWindow(display), 0, 0, 200, 100, 0, 0, 0);
        XSelectInput(display, window, StructureNotifyMask | KeyPressMask | KeyReleaseMask);
        XMapWindow(display, window);
        XEvent event;
        do
            XNextEvent(display, &event);
        while (event.type != MapNotify);
        XSetInputFocus(display, window, RevertToParent, CurrentTime);
        XSync(display, False);
    }
    ~OtherApplication() {
        XDestroyWindow(display, window);
        XCloseDisplay(display);
    }

    void press(int keycode) { fake(keycode, true); }
    void release(int keycode) { fake(keycode, false); }
    void type(int keycode) {
        press(keycode);
        release(keycode);
    }

    // The keys the window got so far, as (keycode, pressed), in order.
    QList<QPair<int, bool>> receivedKeys() {
        XSync(display, False);
        while (XPending(display)) {
            XEvent event;
            XNextEvent(display, &event);
            if (event.type == KeyPress || event.type == KeyRelease)
                received.append({int(event.xkey.keycode), event.type == KeyPress});
        }
        return received;
    }

    Display* display;

private:
    void fake(int keycode, bool isDown) {
        XTestFakeKeyEvent(display, keycode, isDown, CurrentTime);
        XSync(display, False);
    }

    Window window = 0;
    QList<QPair<int, bool>> received;
};

} // namespace

class TestKeyListenerX11 : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<OtherApplication> other;
    std::unique_ptr<RecordingTool> tool;

    void startTool() { tool = std::make_unique<RecordingTool>(); }

    // The reports once there are at least count of them (or after 3 s).
    QList<Report> waitForReports(qsizetype count) {
        (void)QTest::qWaitFor([&] { return tool->recorder.reports().size() >= count; }, 3000);
        // Anything more would come right behind.
        QTest::qWait(100);
        return tool->recorder.reports();
    }

private slots:
    void init() { other = std::make_unique<OtherApplication>(); }

    void cleanup() {
        tool.reset();
        other.reset();
    }

    void keysOfAnotherApplicationReachTheScene_data() {
        QTest::addColumn<QList<int>>("keys"); // pressed in order, released in reverse
        QTest::addColumn<QList<Report>>("reports");
        QTest::newRow("A") << QList<int>{keyA} << QList<Report>{{true, 0x04}, {false, 0x04}};
        QTest::newRow("Enter") << QList<int>{keyEnter}
                               << QList<Report>{{true, 0x28}, {false, 0x28}};
        QTest::newRow("keypad Enter")
            << QList<int>{keyKeypadEnter} << QList<Report>{{true, 0x58}, {false, 0x58}};
        QTest::newRow("Right Shift")
            << QList<int>{keyRightShift} << QList<Report>{{true, 0xE5}, {false, 0xE5}};
        QTest::newRow("Alt + Print Screen")
            << QList<int>{keyLeftAlt, keyPrint}
            << QList<Report>{{true, 0xE2}, {true, 0x46}, {false, 0x46}, {false, 0xE2}};
        QTest::newRow("Control + Pause")
            << QList<int>{keyLeftControl, keyPause}
            << QList<Report>{{true, 0xE0}, {true, 0x48}, {false, 0x48}, {false, 0xE0}};
    }

    void keysOfAnotherApplicationReachTheScene() {
        QFETCH(QList<int>, keys);
        QFETCH(QList<Report>, reports);
        startTool();
        QVERIFY(tool->widget->installHOOK());
        QList<QPair<int, bool>> typed;
        for (const int key : keys) {
            other->press(key);
            typed.append({key, true});
        }
        for (auto key = keys.crbegin(); key != keys.crend(); ++key) {
            other->release(*key);
            typed.append({*key, false});
        }
        QCOMPARE(waitForReports(reports.size()), reports);
        QCOMPARE(other->receivedKeys(), typed);
    }

    void aHeldKeyIsReportedOnceDownAndOnceUp() {
        startTool();
        XAutoRepeatOn(other->display);
        other->press(keyA);
        QTest::qWait(1500);
        other->release(keyA);
        QCOMPARE(waitForReports(2), (QList<Report>{{true, 0x04}, {false, 0x04}}));
        const QList<QPair<int, bool>> received = other->receivedKeys();
        QVERIFY2(received.count({keyA, true}) > 1, "the key repeated in the other window");
        QCOMPARE(received.last(), qMakePair(keyA, false));
    }

    void aKeyHeldBeforeStartIsNotReportedOnRelease() {
        other->press(keyB);
        startTool();
        other->release(keyB);
        other->type(keyA);
        QCOMPARE(waitForReports(2), (QList<Report>{{true, 0x04}, {false, 0x04}}));
        QCOMPARE(other->receivedKeys().last(), qMakePair(keyA, false));
    }

    void aDisplayThatGoesAwayEndsTheListenerOnly() {
        // A display of its own, so that the tool's window keeps its connection.
        QProcess server;
        server.start(QStringLiteral("Xvfb"), {QStringLiteral("-displayfd"), QStringLiteral("1"),
                                              QStringLiteral("-nolisten"), QStringLiteral("tcp")});
        QVERIFY(server.waitForReadyRead(10000));
        const QByteArray number = server.readLine().trimmed();
        const QByteArray ownDisplay = qgetenv("DISPLAY");
        qputenv("DISPLAY", ":" + number);
        XInputKeyListener listener;
        const bool started = listener.start();
        qputenv("DISPLAY", ownDisplay);
        QVERIFY(started);
        QVERIFY(listener.isListening());
        server.kill();
        server.waitForFinished();
        QTRY_VERIFY(!listener.isListening());
    }
};

QTEST_MAIN(TestKeyListenerX11)
#include "test_key_listener_x11.moc"
