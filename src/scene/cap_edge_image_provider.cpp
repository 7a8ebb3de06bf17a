#include "scene/cap_edge_image_provider.h"

#include <QQmlEngine>

#include <algorithm>

CapEdgeImageProvider::CapEdgeImageProvider() : QQuickImageProvider(Image) {}

void CapEdgeImageProvider::install(QQmlEngine* engine) {
    engine->addImageProvider(QStringLiteral("capedge"), new CapEdgeImageProvider);
}

QImage CapEdgeImageProvider::requestImage(const QString& id, QSize* size,
                                          const QSize& /*requestedSize*/) {
    QImage edge = QImage(id).convertToFormat(QImage::Format_ARGB32_Premultiplied);
    if (edge.isNull())
        return {};
    for (int y = 1; y < edge.height() - 1; ++y) {
        auto* line = reinterpret_cast<QRgb*>(edge.scanLine(y));
        std::fill(line + 1, line + edge.width() - 1, QRgb(0));
    }
    if (size)
        *size = edge.size();
    return edge;
}
