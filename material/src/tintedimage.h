#ifndef VELTRA_MATERIAL_TINTEDIMAGE_H
#define VELTRA_MATERIAL_TINTEDIMAGE_H

#include <QColor>
#include <QImage>
#include <QQuickPaintedItem>
#include <QUrl>

namespace veltra {
namespace material {

// An image file drawn in one colour: every pixel keeps its alpha and takes
// `color`. The file is rasterised at the item's size (vector images stay sharp)
// with QPainter, so it works with every Qt Quick back end, the software one
// included. Used by the Icon type for image sources with colorize set.
class TintedImage : public QQuickPaintedItem
{
    Q_OBJECT
    Q_PROPERTY(QUrl source READ source WRITE setSource NOTIFY sourceChanged)
    Q_PROPERTY(QColor color READ color WRITE setColor NOTIFY colorChanged)
    Q_PROPERTY(bool ready READ isReady NOTIFY readyChanged)

public:
    explicit TintedImage(QQuickItem *parent = nullptr);

    QUrl source() const { return m_source; }
    void setSource(const QUrl &source);
    QColor color() const { return m_color; }
    void setColor(const QColor &color);
    bool isReady() const { return m_ready; }

    void paint(QPainter *painter) override;

signals:
    void sourceChanged();
    void colorChanged();
    void readyChanged();

protected:
    void geometryChanged(const QRectF &newGeometry, const QRectF &oldGeometry) override;

private:
    void reload();
    void setReady(bool ready);

    QUrl m_source;
    QColor m_color = Qt::black;
    QImage m_tinted;
    bool m_ready = false;
};

} // namespace material
} // namespace veltra

#endif
