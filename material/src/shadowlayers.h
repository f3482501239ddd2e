#ifndef VELTRA_MATERIAL_SHADOWLAYERS_H
#define VELTRA_MATERIAL_SHADOWLAYERS_H

#include <QColor>
#include <QQuickItem>

namespace veltra {
namespace material {

// The drawing behind Shadow: `layerCount` translucent rounded rectangles,
// each `blur / layerCount` larger on every side than the one before, the
// smallest of the surface's size (the item less `blur` on every side) with
// `radius` corners. One item draws them all, with every Qt Quick back end: a
// picture made with QPainter from a small drawing of the layers stretched over
// the surface (a nine-patch; a surface too small for it gets the layers drawn
// in full), shown as one texture. Shadows of the same size and settings (the
// tiles of a page, a page shown again) share one picture, drawn once.
class ShadowLayers : public QQuickItem
{
    Q_OBJECT
    Q_PROPERTY(qreal blur READ blur WRITE setBlur NOTIFY blurChanged)
    Q_PROPERTY(qreal radius READ radius WRITE setRadius NOTIFY radiusChanged)
    Q_PROPERTY(qreal darkness READ darkness WRITE setDarkness NOTIFY darknessChanged)
    Q_PROPERTY(QColor color READ color WRITE setColor NOTIFY colorChanged)
    Q_PROPERTY(int layerCount READ layerCount WRITE setLayerCount NOTIFY layerCountChanged)

public:
    explicit ShadowLayers(QQuickItem *parent = nullptr);

    qreal blur() const { return m_blur; }
    void setBlur(qreal blur);
    qreal radius() const { return m_radius; }
    void setRadius(qreal radius);
    qreal darkness() const { return m_darkness; }
    void setDarkness(qreal darkness);
    QColor color() const { return m_color; }
    void setColor(const QColor &color);
    int layerCount() const { return m_layerCount; }
    void setLayerCount(int count);

    // Draws the same picture with `painter`, over the item's rectangle.
    void paint(QPainter *painter) const;

protected:
    QSGNode *updatePaintNode(QSGNode *oldNode, UpdatePaintNodeData *data) override;

signals:
    void blurChanged();
    void radiusChanged();
    void darknessChanged();
    void colorChanged();
    void layerCountChanged();

private:
    qreal m_blur = 0;
    qreal m_radius = 0;
    qreal m_darkness = 0;
    QColor m_color = Qt::black;
    int m_layerCount = 8;
    // What the current node's picture was drawn for.
    QString m_nodeKey;
};

} // namespace material
} // namespace veltra

#endif
