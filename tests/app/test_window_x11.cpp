// The real window on an X server with a compositing manager: size, title and translucency.
#include "app/widget.h"

#include <QGuiApplication>
#include <QImage>
#include <QPixmap>
#include <QScreen>
#include <QTest>

class TestWindowX11 : public QObject {
    Q_OBJECT

private slots:
    void hiddenSceneLeavesTheDesktopVisibleThroughTheWindow() {
        QCOMPARE(QGuiApplication::platformName(), QStringLiteral("xcb"));
        Widget widget;
        widget.move(100, 80);
        widget.showNormal();
        QVERIFY(QTest::qWaitForWindowExposed(&widget));
        QTest::qWait(800);

        QCOMPARE(widget.frameGeometry().size(), QSize(1000, 600));
        QCOMPARE(widget.windowHandle()->title(), QStringLiteral("Korvane Keyboard 1.0"));

        const QImage screen = QGuiApplication::primaryScreen()->grabWindow(0).toImage();
        const QRgb desktop = screen.pixel(20, 20);
        for (const QPoint inside : {QPoint(110, 90), QPoint(600, 380), QPoint(1090, 670)})
            QCOMPARE(screen.pixel(inside), desktop);
    }
};

QTEST_MAIN(TestWindowX11)
#include "test_window_x11.moc"
