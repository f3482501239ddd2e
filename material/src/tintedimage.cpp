#include "tintedimage.h"

#include <QCache>
#include <QDateTime>
#include <QDebug>
#include <QFileInfo>
#include <QImageReader>
#include <QPainter>
#include <QQmlFile>
#include <QQuickWindow>
#include <QSGImageNode>

namespace veltra {
namespace material {

namespace {

// Pictures read, by file, size and colour; cost in KiB. A screen's icons take
// a few KiB each.
const int kCacheKiB = 4096;

QCache<QString, QImage> &pictureCache()
{
    static QCache<QString, QImage> cache(kCacheKiB);
    return cache;
}

QString cacheKey(const QString &file, const QSize &size, const QColor &color, bool tint)
{
    // A file outside the resources may change while the program runs.
    const QString modified = file.startsWith(QLatin1Char(':'))
                                 ? QString()
                                 : QString::number(QFileInfo(file).lastModified().toMSecsSinceEpoch());
    return QStringLiteral("%1|%2|%3x%4|%5")
        .arg(file, modified)
        .arg(size.width())
        .arg(size.height())
        .arg(tint ? color.name(QColor::HexArgb) : QStringLiteral("own"));
}

} // namespace

TintedImage::TintedImage(QQuickItem *parent)
    : QQuickItem(parent)
{
    setFlag(ItemHasContents);
}

void TintedImage::setSource(const QUrl &source)
{
    if (m_source == source)
        return;
    m_source = source;
    emit sourceChanged();
    requestReload();
}

void TintedImage::setColor(const QColor &color)
{
    if (m_color == color)
        return;
    m_color = color;
    emit colorChanged();
    if (m_tint)
        requestReload();
}

void TintedImage::setTint(bool tint)
{
    if (m_tint == tint)
        return;
    m_tint = tint;
    emit tintChanged();
    requestReload();
}

void TintedImage::componentComplete()
{
    QQuickItem::componentComplete();
    if (m_reloadPending)
        requestReload();
}

void TintedImage::itemChange(ItemChange change, const ItemChangeData &value)
{
    QQuickItem::itemChange(change, value);
    if ((change == ItemVisibleHasChanged && value.boolValue) || (change == ItemSceneChange && value.window)) {
        if (m_reloadPending)
            requestReload();
    }
}

void TintedImage::geometryChanged(const QRectF &newGeometry, const QRectF &oldGeometry)
{
    QQuickItem::geometryChanged(newGeometry, oldGeometry);
    if (newGeometry.size() != oldGeometry.size())
        requestReload();
}

// Reads now if the item is complete and shown; otherwise once it is.
void TintedImage::requestReload()
{
    m_reloadPending = true;
    if (isComponentComplete() && isVisible())
        reload();
}

void TintedImage::reload()
{
    m_reloadPending = false;
    const qreal ratio = window() ? window()->effectiveDevicePixelRatio() : 1.0;
    const QSize target = (QSizeF(width(), height()) * ratio).toSize();
    m_imageChanged = true;
    update();
    if (m_source.isEmpty() || target.isEmpty()) {
        m_image = QImage();
        setReady(false);
        return;
    }
    const QString file = QQmlFile::urlToLocalFileOrQrc(m_source);
    const QString key = cacheKey(file, target, m_color, m_tint);
    if (const QImage *cached = pictureCache().object(key)) {
        m_image = *cached;
        setReady(true);
        return;
    }
    QImageReader reader(file);
    if (file.isEmpty() || !reader.canRead()) {
        qDebug().noquote() << "TintedImage::reload(): cannot read" << m_source.toString();
        m_image = QImage();
        setReady(false);
        return;
    }
    // Keep the aspect ratio inside the item, as Image.PreserveAspectFit does.
    QSize size = reader.size().isValid() ? reader.size() : target;
    size.scale(target, Qt::KeepAspectRatio);
    reader.setScaledSize(size);
    QImage image = reader.read().convertToFormat(QImage::Format_ARGB32_Premultiplied);
    if (image.isNull()) {
        qDebug().noquote() << "TintedImage::reload():" << reader.errorString() << m_source.toString();
        m_image = QImage();
        setReady(false);
        return;
    }
    if (m_tint) {
        QPainter p(&image);
        p.setCompositionMode(QPainter::CompositionMode_SourceIn);
        p.fillRect(image.rect(), m_color);
        p.end();
    }
    image.setDevicePixelRatio(ratio);
    pictureCache().insert(key, new QImage(image), qMax(1, int(image.sizeInBytes() / 1024)));
    m_image = image;
    setReady(true);
}

void TintedImage::setReady(bool ready)
{
    if (m_ready == ready)
        return;
    m_ready = ready;
    emit readyChanged();
}

QSGNode *TintedImage::updatePaintNode(QSGNode *oldNode, UpdatePaintNodeData *)
{
    auto *node = static_cast<QSGImageNode *>(oldNode);
    if (m_image.isNull() || !window()) {
        delete node;
        return nullptr;
    }
    if (!node || m_imageChanged) {
        // A new picture gets a new node, which owns its texture.
        delete node;
        node = window()->createImageNode();
        node->setTexture(window()->createTextureFromImage(m_image));
        node->setOwnsTexture(true);
        node->setFiltering(QSGTexture::Linear);
        m_imageChanged = false;
    }
    // Centred, at the size it was read for.
    const QSizeF drawn = QSizeF(m_image.size()) / m_image.devicePixelRatio();
    node->setRect(QRectF((width() - drawn.width()) / 2, (height() - drawn.height()) / 2, drawn.width(),
                         drawn.height()));
    return node;
}

} // namespace material
} // namespace veltra
