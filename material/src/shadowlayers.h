#ifndef VELTRA_MATERIAL_SHADOWLAYERS_H
#define VELTRA_MATERIAL_SHADOWLAYERS_H

#include <QColor>
#include <QQuickPaintedItem>

namespace veltra {
namespace material {

// The drawing behind Shadow: `layerCount` translucent rounded rectangles,
// each `blur / layerCount` larger on every side than the one before, the
// smallest of the surface's size (the item less `blur` on every side) with
// `radius` corners. One item draws them all, with QPainter, so with every Qt
// Quick back end: a small drawing of the layers, shared by every shadow with
// the same settings, stretched over the surface (a nine-patch).
class ShadowLayers : public QQuickPaintedItem
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

    void paint(QPainter *painter) override;

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
};

} // namespace material
} // namespace veltra

#endif
