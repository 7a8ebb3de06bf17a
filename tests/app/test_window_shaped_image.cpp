#include "scene/window_shaped_image_provider.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <QUrl>

namespace {

QString address(const QString& path) {
    return QString::fromLatin1(QUrl::toPercentEncoding(QStringLiteral("file:") + path));
}

} // namespace

class TestWindowShapedImage : public QObject {
    Q_OBJECT

private:
    QTemporaryDir dir;
    QString outlinePath;
    QString picturePath;

private slots:
    void initTestCase() {
        // The outline: its left half lies outside the window.
        QImage outline(40, 20, QImage::Format_ARGB32);
        outline.fill(Qt::transparent);
        for (int y = 0; y < 20; ++y)
            for (int x = 20; x < 40; ++x)
                outline.setPixelColor(x, y, QColor(10, 20, 30, 255));
        outlinePath = dir.filePath(QStringLiteral("outline.png"));
        QVERIFY(outline.save(outlinePath));
        QImage picture(10, 10, QImage::Format_RGB32);
        picture.fill(QColor(200, 0, 0));
        picturePath = dir.filePath(QStringLiteral("my picture.png"));
        QVERIFY(picture.save(picturePath));
    }

    void pictureCoversTheOutlineAndKeepsItsShape() {
        WindowShapedImageProvider provider;
        QSize size;
        const QImage shaped = provider.requestImage(
            address(picturePath) + QLatin1Char('/') + address(outlinePath), &size, QSize());
        QCOMPARE(size, QSize(40, 20));
        QCOMPARE(shaped.size(), QSize(40, 20));
        QCOMPARE(qAlpha(shaped.pixel(5, 10)), 0);
        QCOMPARE(shaped.pixelColor(30, 10), QColor(200, 0, 0));
    }

    void unreadablePictureGivesTheSkinBackground() {
        QFile garbage(dir.filePath(QStringLiteral("garbage.png")));
        QVERIFY(garbage.open(QIODevice::WriteOnly));
        garbage.write("not a picture at all");
        garbage.close();
        WindowShapedImageProvider provider;
        const QImage outline(outlinePath);
        for (const QString& picture :
             {garbage.fileName(), dir.filePath(QStringLiteral("missing.png")), dir.path()}) {
            QSize size;
            const QImage shown = provider.requestImage(
                address(picture) + QLatin1Char('/') + address(outlinePath), &size, QSize());
            QCOMPARE(size, outline.size());
            QCOMPARE(shown.convertToFormat(QImage::Format_ARGB32),
                     outline.convertToFormat(QImage::Format_ARGB32));
        }
    }

    void malformedRequestGivesNoImage() {
        WindowShapedImageProvider provider;
        const QString missingOutline = address(dir.filePath(QStringLiteral("no-outline.png")));
        for (const QString& id : {address(picturePath) + QLatin1Char('/') + missingOutline,
                                  address(picturePath), QString()})
            QVERIFY(provider.requestImage(id, nullptr, QSize()).isNull());
    }
};

QTEST_MAIN(TestWindowShapedImage)
#include "test_window_shaped_image.moc"
