#ifndef VELTRA_MATERIAL_ICONPICTURE_H
#define VELTRA_MATERIAL_ICONPICTURE_H

#include <QColor>
#include <QImage>
#include <QQuickItem>
#include <QUrl>

namespace veltra {
namespace material {

// What the Icon type draws: a glyph of an icon font, or an image file.
//
// A glyph (`glyph` set) is drawn from the font file `fontSource` in `color`,
// the font's em as high as the item, centred as a line of text would be. The
// font is read directly (QRawFont): icon fonts are never added to the font
// database, and no text item, layout or matched font is made for an icon.
// An image file (`source`) is drawn in `color` keeping each pixel's alpha, or
// with `tint` off in its own colours, rasterised at the item's size (vector
// images stay sharp), keeping its aspect ratio.
//
// The picture is drawn once the item is complete and shown, once for all the
// settings made meanwhile; a hidden item keeps its picture. Pictures are
// shared: the same glyph or file at the same size and colour is drawn once for
// all items (the launcher's, the wizard's and the status bar's icons recur).
// It is shown as a texture, with every Qt Quick back end.
class IconPicture : public QQuickItem
{
    Q_OBJECT
    Q_PROPERTY(QUrl source READ source WRITE setSource NOTIFY sourceChanged)
    Q_PROPERTY(QString glyph READ glyph WRITE setGlyph NOTIFY glyphChanged)
    Q_PROPERTY(QUrl fontSource READ fontSource WRITE setFontSource NOTIFY fontSourceChanged)
    Q_PROPERTY(QColor color READ color WRITE setColor NOTIFY colorChanged)
    Q_PROPERTY(bool tint READ tint WRITE setTint NOTIFY tintChanged)
    Q_PROPERTY(bool ready READ isReady NOTIFY readyChanged)

public:
    explicit IconPicture(QQuickItem *parent = nullptr);

    QUrl source() const { return m_source; }
    void setSource(const QUrl &source);
    QString glyph() const { return m_glyph; }
    void setGlyph(const QString &glyph);
    QUrl fontSource() const { return m_fontSource; }
    void setFontSource(const QUrl &fontSource);
    QColor color() const { return m_color; }
    void setColor(const QColor &color);
    bool tint() const { return m_tint; }
    void setTint(bool tint);
    // Whether a picture is drawn (false before it is, and for a file or glyph
    // that cannot be read).
    bool isReady() const { return m_ready; }

    // The picture as the item shows it.
    QImage image() const { return m_image; }

signals:
    void sourceChanged();
    void glyphChanged();
    void fontSourceChanged();
    void colorChanged();
    void tintChanged();
    void readyChanged();

protected:
    void componentComplete() override;
    void itemChange(ItemChange change, const ItemChangeData &value) override;
    void geometryChanged(const QRectF &newGeometry, const QRectF &oldGeometry) override;
    QSGNode *updatePaintNode(QSGNode *oldNode, UpdatePaintNodeData *data) override;

private:
    void requestRedraw();
    void redraw();
    QImage drawGlyph(const QSize &target, qreal ratio) const;
    QImage readImage(const QString &file, const QSize &target) const;
    void setReady(bool ready);

    QUrl m_source;
    QString m_glyph;
    QUrl m_fontSource;
    QColor m_color = Qt::black;
    bool m_tint = true;
    QImage m_image;
    bool m_redrawPending = false;
    bool m_imageChanged = false;
    bool m_ready = false;
};

} // namespace material
} // namespace veltra

#endif
