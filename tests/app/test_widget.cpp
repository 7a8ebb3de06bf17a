#include "app/ui_controler.h"
#include "app/user_event.h"
#include "app/widget.h"
#include "controller/myqquickview.h"
#include "platform/device_monitor.h"

#include <QQuickItem>
#include <QSignalSpy>
#include <QTest>
#include <QThread>

namespace {

// Records, for every queued call that reaches the scene root, whether the root was visible then.
class RootCallRecorder : public QObject {
public:
    QList<bool> visibleAtCall;
    QList<bool> windowShownAtCall;
    QWidget* window = nullptr;

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::MetaCall) {
            visibleAtCall.append(static_cast<QQuickItem*>(watched)->isVisible());
            windowShownAtCall.append(window->isVisible());
        }
        return false;
    }
};

} // namespace

class TestWidget : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<Widget> widget;
    DeviceMonitor* monitor = nullptr;

    QQuickItem* root() const { return widget->controler()->view->rootObject(); }

private slots:
    void init() {
        widget = std::make_unique<Widget>();
        auto fake = std::make_unique<DeviceMonitor>();
        monitor = fake.get();
        widget->setDeviceMonitor(std::move(fake));
        // The first device scan has queued its report to the scene; deliver it before the test.
        QCoreApplication::sendPostedEvents(root(), QEvent::MetaCall);
    }

    void cleanup() {
        widget.reset();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    void windowIsFramelessTitledAndSizedToTheScene() {
        QCOMPARE(widget->size(), QSize(1000, 600));
        QCOMPARE(widget->windowTitle(), QStringLiteral("Korvane Keyboard 1.0"));
        QVERIFY(widget->windowFlags().testFlag(Qt::FramelessWindowHint));
        QVERIFY(widget->testAttribute(Qt::WA_TranslucentBackground));
        QCOMPARE(widget->controler()->view->objectName(), QStringLiteral("ui_View"));
        QCOMPARE(widget->controler()->view->parentWidget(), widget.get());
        QVERIFY(root());
        QCOMPARE(root()->width(), 1000.0);
    }

    void sceneIsInitialisedBeforeItRunsAndBothAfterShow() {
        RootCallRecorder recorder;
        recorder.window = widget.get();
        root()->installEventFilter(&recorder);
        widget->showNormal();
        widget->startUI();
        QVERIFY(!root()->isVisible());
        QTRY_COMPARE(recorder.visibleAtCall.size(), 2);
        // The first call (initUI) finds the scene hidden; the second (run) shows it.
        QCOMPARE(recorder.visibleAtCall, (QList<bool>{false, false}));
        QCOMPARE(recorder.windowShownAtCall, (QList<bool>{true, true}));
        QVERIFY(root()->isVisible());
        root()->removeEventFilter(&recorder);
    }

    void userEventWithAnotherTagDoesNothing() {
        RootCallRecorder recorder;
        recorder.window = widget.get();
        root()->installEventFilter(&recorder);
        QCoreApplication::postEvent(widget.get(), new UserEvent(2176));
        QCoreApplication::postEvent(widget.get(), new QEvent(UserEvent::eventType));
        QCoreApplication::processEvents();
        QCoreApplication::processEvents();
        QVERIFY(recorder.visibleAtCall.isEmpty());
        QCoreApplication::postEvent(widget.get(), new UserEvent(UserEvent::runSceneTag));
        QTRY_COMPARE(recorder.visibleAtCall.size(), 1);
        root()->removeEventFilter(&recorder);
    }

    void burstOfDeviceNotificationsGivesOneTimeoutAfterTheLast() {
        const QTimer& timer = widget->deviceWatchTimer();
        QSignalSpy timeouts(&timer, &QTimer::timeout);
        QCOMPARE(timer.interval(), 2048);
        QVERIFY(timer.isSingleShot());
        for (int n = 0; n < 5; ++n) {
            // Without the event loop the timer cannot fire in between, however slow the machine.
            if (n > 0)
                QThread::msleep(20);
            const int remainingBefore = timer.remainingTime();
            QTest::ignoreMessage(QtDebugMsg, "r = 0");
            emit monitor->deviceChanged();
            // Each notification puts the timeout a whole interval away again.
            QVERIFY(timer.isActive());
            if (n > 0)
                QVERIFY2(timer.remainingTime() > remainingBefore,
                         qPrintable(QString::number(remainingBefore)));
        }
        QVERIFY(timeouts.wait(60000));
        QTest::qWait(300);
        QCOMPARE(timeouts.size(), 1);
    }

    void dragMovesTheWindowHorizontallyThenVertically() {
        widget->move(100, 100);
        const QPoint start = widget->pos();
        widget->controler()->onXChanged(7);
        QCOMPARE(widget->pos(), start + QPoint(7, 0));
        widget->controler()->onYChanged(-3);
        QCOMPARE(widget->pos(), start + QPoint(7, -3));
    }

    void minimizeClosesTheWindow() {
        widget->showNormal();
        QVERIFY(widget->isVisible());
        widget->controler()->onMinimize();
        QVERIFY(!widget->isVisible());
    }

    void windowControlDoesNothingWithoutAForm() {
        Ui_Controler bare;
        bare.onXChanged(5);
        bare.onYChanged(5);
        bare.onMinimize();
        QVERIFY(!bare.form);
    }
};

QTEST_MAIN(TestWidget)
#include "test_widget.moc"
