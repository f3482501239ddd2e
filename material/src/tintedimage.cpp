#include "tintedimage.h"

#include <QDebug>
#include <QImageReader>
#include <QPainter>
#include <QQmlFile>
#include <QQuickWindow>

namespace veltra {
namespace material {

TintedImage::TintedImage(QQuickItem *parent)
    : QQuickPaintedItem(parent)
{
}

void TintedImage::setSource(const QUrl &source)
{
    if (m_source == source)
        return;
    m_source = source;
    emit sourceChanged();
    reload();
}

void TintedImage::setColor(const QColor &color)
{
    if (m_color == color)
        return;
    m_color = color;
    emit colorChanged();
    reload();
}

void TintedImage::geometryChanged(const QRectF &newGeometry, const QRectF &oldGeometry)
{
    QQuickPaintedItem::geometryChanged(newGeometry, oldGeometry);
    if (newGeometry.size() != oldGeometry.size())
        reload();
}

void TintedImage::reload()
{
    const QSize target = (QSizeF(width(), height()) * (window() ? window()->effectiveDevicePixelRatio() : 1.0)).toSize();
    if (m_source.isEmpty() || target.isEmpty()) {
        m_tinted = QImage();
        setReady(false);
        update();
        return;
    }
    const QString file = QQmlFile::urlToLocalFileOrQrc(m_source);
    QImageReader reader(file);
    if (file.isEmpty() || !reader.canRead()) {
        qDebug().noquote() << "TintedImage::reload(): cannot read" << m_source.toString();
        m_tinted = QImage();
        setReady(false);
        update();
        return;
    }
    // Keep the aspect ratio inside the item, as Image.PreserveAspectFit does.
    QSize size = reader.size().isValid() ? reader.size() : target;
    size.scale(target, Qt::KeepAspectRatio);
    reader.setScaledSize(size);
    QImage image = reader.read().convertToFormat(QImage::Format_ARGB32_Premultiplied);
    if (image.isNull()) {
        qDebug().noquote() << "TintedImage::reload():" << reader.errorString() << m_source.toString();
        setReady(false);
    } else {
        QPainter p(&image);
        p.setCompositionMode(QPainter::CompositionMode_SourceIn);
        p.fillRect(image.rect(), m_color);
        p.end();
        setReady(true);
    }
    m_tinted = image;
    update();
}

void TintedImage::setReady(bool ready)
{
    if (m_ready == ready)
        return;
    m_ready = ready;
    emit readyChanged();
}

void TintedImage::paint(QPainter *painter)
{
    if (m_tinted.isNull())
        return;
    const QSizeF drawn = QSizeF(m_tinted.size()) / (window() ? window()->effectiveDevicePixelRatio() : 1.0);
    const QRectF target((width() - drawn.width()) / 2, (height() - drawn.height()) / 2, drawn.width(), drawn.height());
    painter->setRenderHint(QPainter::SmoothPixmapTransform);
    painter->drawImage(target, m_tinted);
}

} // namespace material
} // namespace veltra
