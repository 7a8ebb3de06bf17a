#pragma once

#include <QQuickImageProvider>

class QQmlEngine;

// Serves a key cap picture with its middle cleared, from one pixel inside the edge: the key caps
// of the lighting picture are drawn as this edge and the cap's opaque middle as a picture of its
// own, so that the software renderer repaints no more than that middle under a recoloured label.
// Id: the cap picture's path, relative to the working directory.
class CapEdgeImageProvider : public QQuickImageProvider {
public:
    CapEdgeImageProvider();

    // Makes "image://capedge/" available to the scene documents of the engine.
    static void install(QQmlEngine* engine);

    QImage requestImage(const QString& id, QSize* size, const QSize& requestedSize) override;
};
