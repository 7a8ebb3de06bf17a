#include "scene/window_shaped_image_provider.h"

#include <QPainter>
#include <QQmlEngine>
#include <QUrl>

namespace {

QImage loadAddress(const QString& encodedAddress) {
    const QUrl url(QUrl::fromPercentEncoding(encodedAddress.toUtf8()));
    const QString path = url.isLocalFile() ? url.toLocalFile() : url.toString();
    return QImage(path);
}

QImage coverAndCentre(const QImage& picture, const QSize& size) {
    const QImage scaled =
        picture.scaled(size, Qt::KeepAspectRatioByExpanding, Qt::SmoothTransformation);
    return scaled.copy((scaled.width() - size.width()) / 2, (scaled.height() - size.height()) / 2,
                       size.width(), size.height());
}

} // namespace

WindowShapedImageProvider::WindowShapedImageProvider() : QQuickImageProvider(Image) {}

void WindowShapedImageProvider::install(QQmlEngine* engine) {
    engine->addImageProvider(QStringLiteral("windowshaped"), new WindowShapedImageProvider);
}

QImage WindowShapedImageProvider::requestImage(const QString& id, QSize* size,
                                               const QSize& /*requestedSize*/) {
    const QStringList parts = id.split(QLatin1Char('/'));
    if (parts.size() != 2)
        return {};
    const QImage picture = loadAddress(parts[0]);
    const QImage outline = loadAddress(parts[1]);
    if (outline.isNull())
        return {};
    // A picture that was moved, deleted or damaged since it was chosen leaves the skin's own
    // background, not an empty window.
    if (picture.isNull()) {
        if (size)
            *size = outline.size();
        return outline;
    }

    QImage shaped = coverAndCentre(picture, outline.size())
                        .convertToFormat(QImage::Format_ARGB32_Premultiplied);
    QPainter painter(&shaped);
    painter.setCompositionMode(QPainter::CompositionMode_DestinationIn);
    painter.drawImage(0, 0, outline);
    painter.end();
    if (size)
        *size = shaped.size();
    return shaped;
}
