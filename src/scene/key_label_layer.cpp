#include "scene/key_label_layer.h"

#include "scene/key_label_node.h"

#include <QTextLayout>
#include <QTextOption>
#include <QtGlobal>

namespace {

// Marks a label whose key colour was not given packed.
constexpr qint64 noPackedColor = -1;

} // namespace

KeyLabelLayer::KeyLabelLayer(QQuickItem* parent) : QQuickItem(parent) {
    setFlag(ItemHasContents, true);
}

QFont KeyLabelLayer::font() const {
    return m_font;
}

void KeyLabelLayer::setFont(const QFont& font) {
    if (font == m_font)
        return;
    m_font = font;
    emit fontChanged();
}

int KeyLabelLayer::count() const {
    return int(m_labels.size());
}

// Laid out as a Text item of the scene lays out one line, so the glyphs fall on the same pixels.
QList<QGlyphRun> KeyLabelLayer::layOut(const QString& text) const {
    QTextLayout layout(text, m_font);
    QTextOption option;
    option.setUseDesignMetrics(true);
    option.setWrapMode(QTextOption::NoWrap);
    layout.setTextOption(option);
    layout.setCacheEnabled(true);
    layout.beginLayout();
    QTextLine line = layout.createLine();
    if (line.isValid())
        line.setPosition(QPointF(0, 0));
    layout.endLayout();
    return layout.glyphRuns();
}

void KeyLabelLayer::setLabels(const QVariantList& labels) {
    m_labels.clear();
    for (const QVariant& entry : labels) {
        const QVariantMap label = entry.toMap();
        const QPointF origin(label.value(QStringLiteral("x")).toReal(),
                             label.value(QStringLiteral("y")).toReal());
        m_labels.append({layOut(label.value(QStringLiteral("text")).toString()), origin,
                         shownColor(0, 0, 0, 0)});
    }
    m_packed = QList<qint64>(m_labels.size(), noPackedColor);
    m_nodesStale = true;
    emit labelsChanged();
    update();
}

void KeyLabelLayer::setColor(int index, const QColor& color) {
    Label& label = m_labels[index];
    if (label.color == color)
        return;
    label.color = color;
    m_colorsStale = true;
}

void KeyLabelLayer::setColors(const QList<int>& packedColors) {
    const qsizetype n = qMin(packedColors.size(), m_labels.size());
    for (qsizetype i = 0; i < n; ++i) {
        const auto argb = quint32(packedColors[i]);
        if (argb == m_packed[i])
            continue;
        m_packed[i] = argb;
        setColor(int(i), shownColor(qRed(argb), qGreen(argb), qBlue(argb), qAlpha(argb)));
    }
    if (m_colorsStale)
        update();
}

void KeyLabelLayer::setUniformColor(qreal red, qreal green, qreal blue, qreal alpha) {
    const QColor color = shownColor(red, green, blue, alpha);
    for (int i = 0; i < m_labels.size(); ++i) {
        m_packed[i] = noPackedColor;
        setColor(i, color);
    }
    if (m_colorsStale)
        update();
}

QColor KeyLabelLayer::colorAt(int index) const {
    return index >= 0 && index < m_labels.size() ? m_labels[index].color : QColor();
}

// The same arithmetic, in the same order and precision, as the colours the scene made before.
QColor KeyLabelLayer::shownColor(qreal red, qreal green, qreal blue, qreal alpha) {
    const double white = 0.10;
    const double a = qBound(0.0, double(alpha), 255.0) / 255;
    const double shown = white + (1 - white) * a;
    const double k = (1 - white) * a / 255;
    return QColor::fromRgbF(float((white + k * red) / shown), float((white + k * green) / shown),
                            float((white + k * blue) / shown), float(shown));
}

QSGNode* KeyLabelLayer::updatePaintNode(QSGNode* oldNode, UpdatePaintNodeData*) {
    QSGNode* root = oldNode ? oldNode : new QSGNode;
    if (m_nodesStale) {
        while (QSGNode* node = root->firstChild()) {
            root->removeChildNode(node);
            delete node;
        }
        for (const Label& label : std::as_const(m_labels))
            root->appendChildNode(new KeyLabelNode(window(), label.glyphs, label.origin));
        m_nodesStale = false;
        m_colorsStale = true;
    }
    if (m_colorsStale) {
        int i = 0;
        for (QSGNode* node = root->firstChild(); node; node = node->nextSibling())
            static_cast<KeyLabelNode*>(node)->setColor(m_labels[i++].color);
        m_colorsStale = false;
    }
    return root;
}
