// The window closed through the window system (Alt+F4, a window manager's or compositor's close
// button) on an X server: the request goes the way of the scene's own close button.
#include "app/ui_controler.h"
#include "app/widget.h"
#include "controller/myqquickview.h"
#include "find_item.h"

#include <QQuickItem>
#include <QTest>

#include <X11/Xlib.h>

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

    // An unapplied edit: the back lighting page's speed moved off the stored value.
    void editBackLighting() {
        QVERIFY(QMetaObject::invokeMethod(item(QStringLiteral("main_Z9")), "wantPage",
                                          Q_ARG(QVariant, 3)));
        QTRY_VERIFY(findItem(root(), QStringLiteral("_Page_Backlight")));
        QQuickItem* speed =
            findItem(item(QStringLiteral("_Page_Backlight")), QStringLiteral("speedSlider"));
        QVERIFY(speed);
        speed->setProperty("currentIndex", 0);
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
};

QTEST_MAIN(TestCloseByWindowManagerX11)
#include "test_close_by_window_manager_x11.moc"
