#pragma once

#include <QQuickImageProvider>

// Serves the user's own background picture cut to the window's outline, so that a custom
// background keeps the shaped, translucent window instead of filling its whole rectangle.
// Id: the picture's address and the skin background's address (whose alpha is the outline),
// each percent-encoded, joined by "/". The picture is scaled to cover the outline and centred.
class WindowShapedImageProvider : public QQuickImageProvider {
public:
    WindowShapedImageProvider();

    QImage requestImage(const QString& id, QSize* size, const QSize& requestedSize) override;
};
