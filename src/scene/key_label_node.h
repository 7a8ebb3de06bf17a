#pragma once

#include <QColor>
#include <QGlyphRun>
#include <QList>
#include <QPointF>
#include <QRectF>
#include <QSGRenderNode>

class QQuickWindow;

// One key label of the lighting picture, drawn by the software scene graph straight into the
// window with the glyph runs laid out once: recolouring it only marks its own small area dirty,
// with no text laid out, no glyph node made and no item touched.
class KeyLabelNode : public QSGRenderNode {
public:
    KeyLabelNode(QQuickWindow* window, const QList<QGlyphRun>& glyphs, QPointF origin);

    void setColor(const QColor& color);

    void render(const RenderState* state) override;
    StateFlags changedStates() const override;
    RenderingFlags flags() const override;
    QRectF rect() const override;

private:
    QQuickWindow* m_window;
    QList<QGlyphRun> m_glyphs;
    QPointF m_origin;
    QRectF m_bounds;
    QColor m_color;
};
