#pragma once

#include <QColor>
#include <QFont>
#include <QGlyphRun>
#include <QList>
#include <QPointF>
#include <QQuickItem>
#include <QtQml/qqmlregistration.h>

// The labels of the lighting picture's keys in one item, in their preview colours. The preview
// sets all colours in one call per displayed frame; the item turns each key colour into the shown
// label colour (the faint white label laid over it) and repaints only the labels that changed.
class KeyLabelLayer : public QQuickItem {
    Q_OBJECT
    QML_ELEMENT
    Q_PROPERTY(QFont font READ font WRITE setFont NOTIFY fontChanged)
    Q_PROPERTY(int count READ count NOTIFY labelsChanged)

public:
    explicit KeyLabelLayer(QQuickItem* parent = nullptr);

    QFont font() const;
    void setFont(const QFont& font);
    int count() const;

    // The labels, each {"x", "y", "text"}: the top left corner of its text in this item. Each
    // starts in the colour of key colour (0, 0, 0, 0).
    Q_INVOKABLE void setLabels(const QVariantList& labels);
    // Key colours by label, each 0xAARRGGBB (alpha, red, green, blue as bytes).
    Q_INVOKABLE void setColors(const QList<int>& packedColors);
    // One key colour, each channel 0 … 255 and not necessarily whole, for every label.
    Q_INVOKABLE void setUniformColor(qreal red, qreal green, qreal blue, qreal alpha);
    // The colour label `index` is drawn in.
    Q_INVOKABLE QColor colorAt(int index) const;

    // The label colour of a key colour: the colour with a white label at alpha 0.10 laid over it.
    static QColor shownColor(qreal red, qreal green, qreal blue, qreal alpha);

signals:
    void fontChanged();
    void labelsChanged();

protected:
    QSGNode* updatePaintNode(QSGNode* oldNode, UpdatePaintNodeData* data) override;

private:
    struct Label {
        QList<QGlyphRun> glyphs;
        QPointF origin;
        QColor color;
    };

    QList<QGlyphRun> layOut(const QString& text) const;
    void setColor(int index, const QColor& color);

    QFont m_font;
    QList<Label> m_labels;
    // The key colour each label was last given packed, or noPackedColor.
    QList<qint64> m_packed;
    bool m_nodesStale = true;
    bool m_colorsStale = false;
};
