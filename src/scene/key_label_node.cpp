#include "scene/key_label_node.h"

#include <QPainter>
#include <QQuickWindow>
#include <QSGRendererInterface>

namespace {

// Antialiased glyph edges may reach a pixel beyond the glyphs' own boxes.
constexpr qreal edgeMargin = 2;

} // namespace

KeyLabelNode::KeyLabelNode(QQuickWindow* window, const QList<QGlyphRun>& glyphs, QPointF origin)
    : m_window(window), m_glyphs(glyphs), m_origin(origin) {
    for (const QGlyphRun& run : glyphs)
        m_bounds |= run.boundingRect();
    m_bounds =
        m_bounds.translated(origin).adjusted(-edgeMargin, -edgeMargin, edgeMargin, edgeMargin);
}

void KeyLabelNode::setColor(const QColor& color) {
    if (color == m_color)
        return;
    m_color = color;
    markDirty(QSGNode::DirtyMaterial);
}

void KeyLabelNode::render(const RenderState* state) {
    auto* painter = static_cast<QPainter*>(m_window->rendererInterface()->getResource(
        m_window, QSGRendererInterface::PainterResource));
    if (!painter)
        return;
    const QRegion* clip = state->clipRegion();
    if (clip && !clip->isEmpty())
        painter->setClipRegion(*clip,
                               Qt::ReplaceClip); // before the transform: it is in window pixels
    painter->setTransform(matrix()->toTransform());
    painter->setOpacity(inheritedOpacity());
    painter->setBrush(QBrush());
    painter->setPen(m_color);
    for (const QGlyphRun& run : m_glyphs)
        painter->drawGlyphRun(m_origin, run);
}

QSGRenderNode::StateFlags KeyLabelNode::changedStates() const {
    return {};
}

QSGRenderNode::RenderingFlags KeyLabelNode::flags() const {
    return BoundedRectRendering;
}

QRectF KeyLabelNode::rect() const {
    return m_bounds;
}
