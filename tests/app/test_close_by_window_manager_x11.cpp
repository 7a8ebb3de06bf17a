// The window closed through the window system (Alt+F4, a window manager's or compositor's close
// button) on an X server: the request goes the way of the scene's own close button. Keys typed into
// the window reach the scene, whose Ctrl+Z takes an edit back.
#include "app/ui_controler.h"
#include "app/widget.h"
#include "controller/myqquickview.h"
#include "find_item.h"

#include <QQuickItem>
#include <QTest>

#include <X11/Xlib.h>
#include <X11/extensions/XTest.h>
#include <X11/keysym.h>

#include <memory>

namespace {

// What a window manager sends a client when the user closes its window.
void sendDeleteWindow(WId window) {
    Display* display = XOpenDisplay(nullptr);
    QVERIFY(display);
    XEvent event{};
    event.xclient.type = ClientMessage;
    event.xclient.window = window;
    event.xclient.message_type = XInternAtom(display, "WM_PROTOCOLS", False);
    event.xclient.format = 32;
    event.xclient.data.l[0] = static_cast<long>(XInternAtom(display, "WM_DELETE_WINDOW", False));
    event.xclient.data.l[1] = CurrentTime;
    XSendEvent(display, window, False, NoEventMask, &event);
    XCloseDisplay(display);
}

// Ctrl+Z as the X server's keyboard types it into the focused window.
void typeControlZ() {
    Display* display = XOpenDisplay(nullptr);
    QVERIFY(display);
    const KeyCode control = XKeysymToKeycode(display, XK_Control_L);
    const KeyCode z = XKeysymToKeycode(display, XK_z);
    XTestFakeKeyEvent(display, control, True, CurrentTime);
    XTestFakeKeyEvent(display, z, True, CurrentTime);
    XTestFakeKeyEvent(display, z, False, CurrentTime);
    XTestFakeKeyEvent(display, control, False, CurrentTime);
    XCloseDisplay(display);
}

} // namespace

class TestCloseByWindowManagerX11 : public QObject {
    Q_OBJECT

    std::unique_ptr<Widget> widget;

    QQuickItem* root() const { return widget->controler()->view->rootObject(); }

    QQuickItem* item(const QString& name) const {
        QQuickItem* found = findItem(root(), name);
        if (!found)
            qWarning() << "no item" << name;
        return found;
    }

    QQuickItem* backLightingSpeed() const {
        QQuickItem* page = findItem(root(), QStringLiteral("_Page_Backlight"));
        return page ? findItem(page, QStringLiteral("speedSlider")) : nullptr;
    }

    // An unapplied edit: the back lighting page's speed moved off the stored value.
    void editBackLighting() {
        QVERIFY(QMetaObject::invokeMethod(item(QStringLiteral("main_Z9")), "wantPage",
                                          Q_ARG(QVariant, 3)));
        QTRY_VERIFY(backLightingSpeed());
        backLightingSpeed()->setProperty("currentIndex", 0);
        QVERIFY(item(QStringLiteral("main_Z9"))->property("hasPendingEdits").toBool());
    }

    void answer(int how) {
        QVERIFY(QMetaObject::invokeMethod(item(QStringLiteral("askDialog")), "answer",
                                          Q_ARG(QVariant, how)));
    }

    bool asks() const { return findItem(root(), QStringLiteral("askDialog"))->isVisible(); }

private slots:
    void init() {
        widget = std::make_unique<Widget>();
        widget->show();
        QVERIFY(QTest::qWaitForWindowExposed(widget.get()));
        widget->startUI();
        QTRY_VERIFY(root()->isVisible());
    }

    void cleanup() {
        widget.reset();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    void withoutEditsTheWindowCloses() {
        sendDeleteWindow(widget->winId());
        QTRY_VERIFY_WITH_TIMEOUT(!widget->isVisible(), 10000);
        QVERIFY(!asks());
    }

    // Cancel (2) keeps the window; Discard (1) closes it through the scene's closing animation.
    void withEditsItAsksFirst() {
        editBackLighting();
        sendDeleteWindow(widget->winId());
        QTRY_VERIFY(asks());
        answer(2);
        QTest::qWait(1500);
        QVERIFY(widget->isVisible());
        QCOMPARE(root()->height(), 600.0);

        sendDeleteWindow(widget->winId());
        QTRY_VERIFY(asks());
        answer(1);
        QTRY_VERIFY_WITH_TIMEOUT(!widget->isVisible(), 10000);
    }

    // The back lighting page is shown, so Ctrl+Z takes its edit back; nothing is left to ask about.
    void controlZTakesTheEditBackSoClosingAsksNothing() {
        QVERIFY(QMetaObject::invokeMethod(item(QStringLiteral("pageArea")), "showIndex",
                                          Q_ARG(QVariant, 3)));
        editBackLighting();
        widget->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(widget.get()));
        QTRY_COMPARE(item(QStringLiteral("pageArea"))->property("curID").toInt(), 3);
        typeControlZ();
        QTRY_COMPARE(backLightingSpeed()->property("currentIndex").toInt(), 4);
        QVERIFY(!item(QStringLiteral("main_Z9"))->property("hasPendingEdits").toBool());
        sendDeleteWindow(widget->winId());
        QTRY_VERIFY_WITH_TIMEOUT(!widget->isVisible(), 10000);
        QVERIFY(!asks());
    }
};

QTEST_MAIN(TestCloseByWindowManagerX11)
#include "test_close_by_window_manager_x11.moc"
