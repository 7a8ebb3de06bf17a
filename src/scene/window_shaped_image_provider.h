#pragma once

#include <QQuickImageProvider>

class QQmlEngine;

// Serves the user's own background picture cut to the window's outline, so that a custom
// background keeps the shaped, translucent window instead of filling its whole rectangle.
// Id: the picture's address and the skin background's address (whose alpha is the outline),
// each percent-encoded, joined by "/". The picture is scaled to cover the outline and centred; a
// picture that cannot be read gives the skin background itself.
class WindowShapedImageProvider : public QQuickImageProvider {
public:
    WindowShapedImageProvider();

    // Makes "image://windowshaped/" available to the scene documents of the engine.
    static void install(QQmlEngine* engine);

    QImage requestImage(const QString& id, QSize* size, const QSize& requestedSize) override;
};
