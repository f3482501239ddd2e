#include "shadowlayers.h"

#include <QCache>
#include <QHash>
#include <QImage>
#include <QMutex>
#include <QPainter>
#include <QPixmap>
#include <QQuickWindow>
#include <QSGImageNode>
#include <QtMath>

#include <array>

namespace veltra {
namespace material {

namespace {
const int kMaxLayers = 32;
}

ShadowLayers::ShadowLayers(QQuickItem *parent)
    : QQuickItem(parent)
{
    setFlag(ItemHasContents);
}

void ShadowLayers::setBlur(qreal blur)
{
    blur = qMax<qreal>(0, blur);
    if (qFuzzyCompare(blur, m_blur))
        return;
    m_blur = blur;
    update();
    emit blurChanged();
}

void ShadowLayers::setRadius(qreal radius)
{
    radius = qMax<qreal>(0, radius);
    if (qFuzzyCompare(radius, m_radius))
        return;
    m_radius = radius;
    update();
    emit radiusChanged();
}

void ShadowLayers::setDarkness(qreal darkness)
{
    darkness = qBound<qreal>(0, darkness, 1);
    if (qFuzzyCompare(darkness, m_darkness))
        return;
    m_darkness = darkness;
    update();
    emit darknessChanged();
}

void ShadowLayers::setColor(const QColor &color)
{
    if (color == m_color)
        return;
    m_color = color;
    update();
    emit colorChanged();
}

void ShadowLayers::setLayerCount(int count)
{
    count = qBound(1, count, kMaxLayers);
    if (count == m_layerCount)
        return;
    m_layerCount = count;
    update();
    emit layerCountChanged();
}

namespace {

// Draws the layers around `base` with `painter`.
void drawLayers(QPainter *painter, const QRectF &base, qreal blur, qreal radius, qreal darkness,
                const QColor &color, int layerCount)
{
    painter->setRenderHint(QPainter::Antialiasing);
    painter->setPen(Qt::NoPen);
    for (int i = 0; i < layerCount; ++i) {
        const qreal spread = blur * (i + 1) / layerCount;
        // The outer layers are the fainter: together they fade out the edge.
        QColor layer = color;
        layer.setAlphaF(color.alphaF() * darkness / layerCount * 1.6 * (1.0 - qreal(i) / layerCount));
        painter->setBrush(layer);
        const qreal r = radius + spread;
        painter->drawRoundedRect(base.adjusted(-spread, -spread, spread, spread), r, r);
    }
}

// The shadow of a small square, to be stretched over any larger surface: its
// corners are the shadow's corners, its middle row and column its edges.
// Shared by every shadow with the same settings (all the tiles of a screen).
QImage ninePatch(int blur, int margin, qreal radius, qreal darkness, const QColor &color, int layerCount)
{
    static QMutex mutex;
    static QHash<QString, QImage> cache;
    const QString key = QStringLiteral("%1/%2/%3/%4/%5/%6")
                            .arg(blur).arg(margin).arg(radius).arg(darkness).arg(color.name(QColor::HexArgb))
                            .arg(layerCount);
    QMutexLocker lock(&mutex);
    auto found = cache.constFind(key);
    if (found != cache.constEnd())
        return *found;
    const int side = 2 * margin + 1;
    QImage patch(side + 2 * blur, side + 2 * blur, QImage::Format_ARGB32_Premultiplied);
    patch.fill(Qt::transparent);
    QPainter painter(&patch);
    drawLayers(&painter, QRectF(blur, blur, side, side), blur, radius, darkness, color, layerCount);
    painter.end();
    // A handful of elevations and radii exist; the cache stays small.
    if (cache.size() > 64)
        cache.clear();
    cache.insert(key, patch);
    return patch;
}

// The nine parts of a nine-patch of `patch` (whose corners are edge × edge)
// over `target`: for each, the rectangle it covers and the part of the patch
// drawn there. The corners stay as they are, the middle row and column are
// stretched between them; the middle (index 4) is one colour, that of the
// patch's middle pixel, and has no source.
struct NinePatchPart
{
    QRect target;
    QRect source;
};

std::array<NinePatchPart, 9> ninePatchParts(const QRect &target, int edge, const QSize &patch)
{
    const int middle = patch.width() - 2 * edge;
    const int columnsX[] = {0, edge, edge + middle};
    const int sourceWidths[] = {edge, middle, edge};
    const int targetX[] = {target.left(), target.left() + edge, target.right() + 1 - edge};
    const int targetWidths[] = {edge, target.width() - 2 * edge, edge};
    const int targetY[] = {target.top(), target.top() + edge, target.bottom() + 1 - edge};
    const int targetHeights[] = {edge, target.height() - 2 * edge, edge};
    std::array<NinePatchPart, 9> parts;
    for (int row = 0; row < 3; ++row) {
        for (int column = 0; column < 3; ++column) {
            NinePatchPart &part = parts[row * 3 + column];
            part.target = QRect(targetX[column], targetY[row], targetWidths[column], targetHeights[row]);
            if (row != 1 || column != 1)
                part.source = QRect(columnsX[column], columnsX[row], sourceWidths[column], sourceWidths[row]);
        }
    }
    return parts;
}

// How a shadow of this size and these settings is drawn: not at all, as a
// nine-patch of a shared small drawing (edge > 0), or in full (edge == 0).
struct Plan
{
    bool empty = true;
    int edge = 0;
    int blur = 0;
    int margin = 0;
    QRect target;
};

Plan planFor(const QSizeF &size, qreal blur, qreal radius, qreal darkness)
{
    Plan plan;
    const QRectF surface(blur, blur, size.width() - 2 * blur, size.height() - 2 * blur);
    if (surface.width() <= 0 || surface.height() <= 0 || darkness <= 0)
        return plan;
    plan.empty = false;
    plan.blur = qCeil(blur);
    plan.margin = qCeil(radius + blur);
    if (surface.width() <= 2 * plan.margin + 1 || surface.height() <= 2 * plan.margin + 1)
        return plan;
    // Blending the layers over the whole surface is costly with a software
    // rasteriser; stretching one small drawing of them is not.
    plan.edge = plan.blur + plan.margin;
    plan.target = surface.adjusted(-plan.blur, -plan.blur, plan.blur, plan.blur).toRect();
    return plan;
}

QColor middleColorOf(const QImage &patch)
{
    return patch.pixelColor(patch.width() / 2, patch.height() / 2);
}

// Shadows drawn in full at their size, shared by every shadow of the same size
// and settings (all the tiles of a page); cost in KiB.
const int kPictureCacheKiB = 4096;

QCache<QString, QImage> &pictureCache()
{
    static QCache<QString, QImage> cache(kPictureCacheKiB);
    return cache;
}

} // namespace

void ShadowLayers::paint(QPainter *painter) const
{
    const Plan plan = planFor(size(), m_blur, m_radius, m_darkness);
    if (plan.empty)
        return;
    if (!plan.edge) {
        const QRectF surface(m_blur, m_blur, width() - 2 * m_blur, height() - 2 * m_blur);
        drawLayers(painter, surface, m_blur, m_radius, m_darkness, m_color, m_layerCount);
        return;
    }
    const QImage patch = ninePatch(plan.blur, plan.margin, m_radius, m_darkness, m_color, m_layerCount);
    const QPixmap pixmap = QPixmap::fromImage(patch);
    // The stretched parts repeat one row or column: sampling the nearest pixel
    // gives the same picture as smoothing, for a fraction of the work.
    painter->setRenderHint(QPainter::SmoothPixmapTransform, false);
    for (const NinePatchPart &part : ninePatchParts(plan.target, plan.edge, patch.size())) {
        if (part.source.isNull())
            painter->fillRect(part.target, middleColorOf(patch));
        else
            painter->drawPixmap(part.target, pixmap, part.source);
    }
}

QSGNode *ShadowLayers::updatePaintNode(QSGNode *oldNode, UpdatePaintNodeData *)
{
    auto *node = static_cast<QSGImageNode *>(oldNode);
    const Plan plan = planFor(size(), m_blur, m_radius, m_darkness);
    QQuickWindow *quickWindow = window();
    const QSize itemSize = size().toSize();
    if (plan.empty || !quickWindow || itemSize.isEmpty()) {
        delete node;
        return nullptr;
    }
    const QString key = QStringLiteral("%1/%2/%3/%4/%5/%6x%7")
                            .arg(m_blur).arg(m_radius).arg(m_darkness).arg(m_color.name(QColor::HexArgb))
                            .arg(m_layerCount).arg(itemSize.width()).arg(itemSize.height());
    if (node && m_nodeKey == key)
        return node;
    const QImage *cached = pictureCache().object(key);
    QImage picture;
    if (cached) {
        picture = *cached;
    } else {
        picture = QImage(itemSize, QImage::Format_ARGB32_Premultiplied);
        picture.fill(Qt::transparent);
        QPainter painter(&picture);
        paint(&painter);
        painter.end();
        pictureCache().insert(key, new QImage(picture), qMax(1, int(picture.sizeInBytes() / 1024)));
    }
    // A new picture gets a new node, which owns its texture.
    delete node;
    node = quickWindow->createImageNode();
    node->setTexture(quickWindow->createTextureFromImage(picture));
    node->setOwnsTexture(true);
    node->setRect(QRectF(QPointF(0, 0), itemSize));
    m_nodeKey = key;
    return node;
}

} // namespace material
} // namespace veltra
