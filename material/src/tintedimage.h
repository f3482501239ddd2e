#ifndef VELTRA_MATERIAL_TINTEDIMAGE_H
#define VELTRA_MATERIAL_TINTEDIMAGE_H

#include <QColor>
#include <QImage>
#include <QQuickItem>
#include <QUrl>

namespace veltra {
namespace material {

// An image file drawn in one colour: every pixel keeps its alpha and takes
// `color`; with `tint` off, in its own colours. The file is rasterised at the
// item's size (vector images stay sharp) with QPainter and shown as a texture,
// so it works with every Qt Quick back end, the software one included. Used by
// the Icon type for image sources.
//
// The file is read once the item is complete and shown, once for all the
// settings made meanwhile; a hidden item keeps its picture. Pictures are
// shared: the same file at the same size and colour is read once for all
// items (the launcher's, the wizard's and the status bar's icons recur).
class TintedImage : public QQuickItem
{
    Q_OBJECT
    Q_PROPERTY(QUrl source READ source WRITE setSource NOTIFY sourceChanged)
    Q_PROPERTY(QColor color READ color WRITE setColor NOTIFY colorChanged)
    Q_PROPERTY(bool tint READ tint WRITE setTint NOTIFY tintChanged)
    Q_PROPERTY(bool ready READ isReady NOTIFY readyChanged)

public:
    explicit TintedImage(QQuickItem *parent = nullptr);

    QUrl source() const { return m_source; }
    void setSource(const QUrl &source);
    QColor color() const { return m_color; }
    void setColor(const QColor &color);
    bool tint() const { return m_tint; }
    void setTint(bool tint);
    bool isReady() const { return m_ready; }

    // The picture as the item shows it (empty before it is read).
    QImage image() const { return m_image; }

signals:
    void sourceChanged();
    void colorChanged();
    void tintChanged();
    void readyChanged();

protected:
    void componentComplete() override;
    void itemChange(ItemChange change, const ItemChangeData &value) override;
    void geometryChanged(const QRectF &newGeometry, const QRectF &oldGeometry) override;
    QSGNode *updatePaintNode(QSGNode *oldNode, UpdatePaintNodeData *data) override;

private:
    void requestReload();
    void reload();
    void setReady(bool ready);

    QUrl m_source;
    QColor m_color = Qt::black;
    bool m_tint = true;
    QImage m_image;
    bool m_reloadPending = false;
    bool m_imageChanged = false;
    bool m_ready = false;
};

} // namespace material
} // namespace veltra

#endif
