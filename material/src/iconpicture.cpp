#include "iconpicture.h"

#include <QCache>
#include <QDateTime>
#include <QDebug>
#include <QFile>
#include <QFileInfo>
#include <QGlyphRun>
#include <QHash>
#include <QImageReader>
#include <QPainter>
#include <QQmlFile>
#include <QQuickWindow>
#include <QRawFont>
#include <QResource>
#include <QSGImageNode>

namespace veltra {
namespace material {

namespace {

// Pictures drawn, by what they show, size and colour; cost in KiB. A screen's
// icons take a few KiB each.
const int kPictureCacheKiB = 4096;

QCache<QString, QImage> &pictureCache()
{
    static QCache<QString, QImage> cache(kPictureCacheKiB);
    return cache;
}

// The icon fonts read so far, by file and pixel size (a handful of each).
QHash<QString, QRawFont> &rawFonts()
{
    static QHash<QString, QRawFont> fonts;
    return fonts;
}

// The font in `file` at `pixelSize`, read once. A font in the resources is
// used where it lies, without a copy when it is stored uncompressed.
QRawFont rawFont(const QString &file, qreal pixelSize)
{
    QHash<QString, QRawFont> &fonts = rawFonts();
    const QString sized = file + QLatin1Char('|') + QString::number(pixelSize);
    auto found = fonts.constFind(sized);
    if (found != fonts.constEnd())
        return *found;
    QRawFont font;
    auto base = fonts.constFind(file);
    if (base != fonts.constEnd()) {
        font = *base;
    } else {
        QByteArray data;
        if (file.startsWith(QLatin1Char(':'))) {
            data = QResource(file).uncompressedData();
        } else {
            QFile in(file);
            if (in.open(QIODevice::ReadOnly))
                data = in.readAll();
        }
        font.loadFromData(data, pixelSize, QFont::PreferVerticalHinting);
        fonts.insert(file, font);
    }
    if (font.isValid() && !qFuzzyCompare(font.pixelSize(), pixelSize))
        font.setPixelSize(pixelSize);
    fonts.insert(sized, font);
    return font;
}

QString modifiedStamp(const QString &file)
{
    // A file outside the resources may change while the program runs.
    return file.startsWith(QLatin1Char(':')) ? QString()
                                             : QString::number(QFileInfo(file).lastModified().toMSecsSinceEpoch());
}

} // namespace

IconPicture::IconPicture(QQuickItem *parent)
    : QQuickItem(parent)
{
    setFlag(ItemHasContents);
}

void IconPicture::setSource(const QUrl &source)
{
    if (m_source == source)
        return;
    m_source = source;
    emit sourceChanged();
    requestRedraw();
}

void IconPicture::setGlyph(const QString &glyph)
{
    if (m_glyph == glyph)
        return;
    m_glyph = glyph;
    emit glyphChanged();
    requestRedraw();
}

void IconPicture::setFontSource(const QUrl &fontSource)
{
    if (m_fontSource == fontSource)
        return;
    m_fontSource = fontSource;
    emit fontSourceChanged();
    requestRedraw();
}

void IconPicture::setColor(const QColor &color)
{
    if (m_color == color)
        return;
    m_color = color;
    emit colorChanged();
    if (m_tint || !m_glyph.isEmpty())
        requestRedraw();
}

void IconPicture::setTint(bool tint)
{
    if (m_tint == tint)
        return;
    m_tint = tint;
    emit tintChanged();
    requestRedraw();
}

void IconPicture::componentComplete()
{
    QQuickItem::componentComplete();
    if (m_redrawPending)
        requestRedraw();
}

void IconPicture::itemChange(ItemChange change, const ItemChangeData &value)
{
    QQuickItem::itemChange(change, value);
    if ((change == ItemVisibleHasChanged && value.boolValue) || (change == ItemSceneChange && value.window)) {
        if (m_redrawPending)
            requestRedraw();
    }
}

void IconPicture::geometryChanged(const QRectF &newGeometry, const QRectF &oldGeometry)
{
    QQuickItem::geometryChanged(newGeometry, oldGeometry);
    if (newGeometry.size() != oldGeometry.size())
        requestRedraw();
}

// Draws now if the item is complete and shown; otherwise once it is.
void IconPicture::requestRedraw()
{
    m_redrawPending = true;
    if (isComponentComplete() && isVisible())
        redraw();
}

void IconPicture::redraw()
{
    m_redrawPending = false;
    m_imageChanged = true;
    update();
    const qreal ratio = window() ? window()->effectiveDevicePixelRatio() : 1.0;
    const QSize target = (QSizeF(width(), height()) * ratio).toSize();
    const bool drawsGlyph = !m_glyph.isEmpty() && !m_fontSource.isEmpty();
    if ((!drawsGlyph && m_source.isEmpty()) || target.isEmpty()) {
        m_image = QImage();
        setReady(false);
        return;
    }
    const QString file = QQmlFile::urlToLocalFileOrQrc(drawsGlyph ? m_fontSource : m_source);
    const QString key = QStringLiteral("%1|%2|%3|%4x%5@%6|%7")
                            .arg(file, modifiedStamp(file), drawsGlyph ? m_glyph : QString())
                            .arg(target.width())
                            .arg(target.height())
                            .arg(ratio)
                            .arg(drawsGlyph || m_tint ? m_color.name(QColor::HexArgb) : QStringLiteral("own"));
    if (const QImage *cached = pictureCache().object(key)) {
        m_image = *cached;
        setReady(true);
        return;
    }
    QImage image = drawsGlyph ? drawGlyph(target, ratio) : readImage(file, target);
    if (image.isNull()) {
        m_image = QImage();
        setReady(false);
        return;
    }
    image.setDevicePixelRatio(ratio);
    pictureCache().insert(key, new QImage(image), qMax(1, int(image.sizeInBytes() / 1024)));
    m_image = image;
    setReady(true);
}

QImage IconPicture::drawGlyph(const QSize &target, qreal ratio) const
{
    const QString file = QQmlFile::urlToLocalFileOrQrc(m_fontSource);
    const QRawFont font = rawFont(file, height() * ratio);
    if (!font.isValid()) {
        qDebug().noquote() << "IconPicture::drawGlyph(): cannot read the font" << m_fontSource.toString();
        return QImage();
    }
    const QVector<quint32> indexes = font.glyphIndexesForString(m_glyph);
    if (indexes.isEmpty() || indexes.contains(0)) {
        qDebug().noquote() << "IconPicture::drawGlyph(): the font" << m_fontSource.toString() << "has no glyph for"
                           << m_glyph;
        return QImage();
    }
    const QVector<QPointF> advances = font.advancesForGlyphIndexes(indexes);
    QVector<QPointF> positions;
    qreal width = 0;
    for (const QPointF &advance : advances) {
        positions.append(QPointF(width, 0));
        width += advance.x();
    }
    QGlyphRun run;
    run.setRawFont(font);
    run.setGlyphIndexes(indexes);
    run.setPositions(positions);
    QImage image(target, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setPen(m_color);
    // Centred as a line of text of this font is, from its ascent and descent.
    const qreal lineHeight = font.ascent() + font.descent();
    painter.drawGlyphRun(QPointF((target.width() - width) / 2, (target.height() - lineHeight) / 2 + font.ascent()),
                         run);
    painter.end();
    return image;
}

QImage IconPicture::readImage(const QString &file, const QSize &target) const
{
    QImageReader reader(file);
    if (file.isEmpty() || !reader.canRead()) {
        qDebug().noquote() << "IconPicture::readImage(): cannot read" << m_source.toString();
        return QImage();
    }
    // Keep the aspect ratio inside the item, as Image.PreserveAspectFit does.
    QSize size = reader.size().isValid() ? reader.size() : target;
    size.scale(target, Qt::KeepAspectRatio);
    reader.setScaledSize(size);
    QImage image = reader.read().convertToFormat(QImage::Format_ARGB32_Premultiplied);
    if (image.isNull()) {
        qDebug().noquote() << "IconPicture::readImage():" << reader.errorString() << m_source.toString();
        return QImage();
    }
    if (m_tint) {
        QPainter painter(&image);
        painter.setCompositionMode(QPainter::CompositionMode_SourceIn);
        painter.fillRect(image.rect(), m_color);
    }
    return image;
}

void IconPicture::setReady(bool ready)
{
    if (m_ready == ready)
        return;
    m_ready = ready;
    emit readyChanged();
}

QSGNode *IconPicture::updatePaintNode(QSGNode *oldNode, UpdatePaintNodeData *)
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
    // Centred, at the size it was drawn for.
    const QSizeF drawn = QSizeF(m_image.size()) / m_image.devicePixelRatio();
    node->setRect(QRectF((width() - drawn.width()) / 2, (height() - drawn.height()) / 2, drawn.width(),
                         drawn.height()));
    return node;
}

} // namespace material
} // namespace veltra
