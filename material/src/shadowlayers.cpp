#include "shadowlayers.h"

#include <QHash>
#include <QImage>
#include <QMutex>
#include <QPainter>
#include <QPixmap>
#include <QtMath>

namespace veltra {
namespace material {

namespace {
const int kMaxLayers = 32;
}

ShadowLayers::ShadowLayers(QQuickItem *parent)
    : QQuickPaintedItem(parent)
{
    setAntialiasing(true);
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

// Draws `patch` over `target`: its corners (edge × edge) as they are, its
// middle row and column stretched between them and the middle filled with
// `middleColor`, the colour of its middle pixel.
void drawNinePatch(QPainter *painter, const QRect &target, int edge, const QPixmap &patch, const QColor &middleColor)
{
    const int middle = patch.width() - 2 * edge;
    const int columnsX[] = {0, edge, edge + middle};
    const int sourceWidths[] = {edge, middle, edge};
    const int targetX[] = {target.left(), target.left() + edge, target.right() + 1 - edge};
    const int targetWidths[] = {edge, target.width() - 2 * edge, edge};
    const int targetY[] = {target.top(), target.top() + edge, target.bottom() + 1 - edge};
    const int targetHeights[] = {edge, target.height() - 2 * edge, edge};
    // The stretched parts repeat one row or column: sampling the nearest pixel
    // gives the same picture as smoothing, for a fraction of the work.
    painter->setRenderHint(QPainter::SmoothPixmapTransform, false);
    for (int row = 0; row < 3; ++row) {
        for (int column = 0; column < 3; ++column) {
            const QRect to(targetX[column], targetY[row], targetWidths[column], targetHeights[row]);
            if (row == 1 && column == 1)
                painter->fillRect(to, middleColor);
            else
                painter->drawPixmap(to, patch, QRect(columnsX[column], columnsX[row], sourceWidths[column], sourceWidths[row]));
        }
    }
}

} // namespace

void ShadowLayers::paint(QPainter *painter)
{
    const QRectF surface(m_blur, m_blur, width() - 2 * m_blur, height() - 2 * m_blur);
    if (surface.width() <= 0 || surface.height() <= 0 || m_darkness <= 0)
        return;
    const int blur = qCeil(m_blur);
    const int margin = qCeil(m_radius + m_blur);
    if (surface.width() <= 2 * margin + 1 || surface.height() <= 2 * margin + 1) {
        drawLayers(painter, surface, m_blur, m_radius, m_darkness, m_color, m_layerCount);
        return;
    }
    // Blending the layers over the whole surface is costly with a software
    // rasteriser; stretching one small drawing of them is not.
    const QImage patch = ninePatch(blur, margin, m_radius, m_darkness, m_color, m_layerCount);
    const QPixmap pixmap = QPixmap::fromImage(patch);
    const int edge = blur + margin;
    const QRectF target = surface.adjusted(-blur, -blur, blur, blur);
    drawNinePatch(painter, target.toRect(), edge, pixmap, patch.pixelColor(patch.width() / 2, patch.height() / 2));
}

} // namespace material
} // namespace veltra
