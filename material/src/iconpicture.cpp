#include "iconpicture.h"

#include <QCache>
#include <QDateTime>
#include <QDebug>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QImageReader>
#include <QPainter>
#include <QQmlFile>
#include <QQuickWindow>
#include <QResource>
#include <QSGImageNode>

#include <ft2build.h>
#include FT_FREETYPE_H
#include FT_ADVANCES_H

#include <cmath>

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

// An icon font, read once and kept until the program ends: FreeType's face
// and the file's bytes, which the face reads in place.
struct IconFont
{
    QByteArray data;
    FT_Face face = nullptr;
};

// The face of the icon font in `file`, or null when it cannot be read. The
// glyphs are drawn with FreeType itself: through Qt's font classes each font
// file cost a fontconfig match for its rendering settings, some two million
// instructions before the first frame, to read options that do not apply to
// an icon drawn into a picture.
FT_Face iconFace(const QString &file)
{
    static FT_Library library = nullptr;
    static QHash<QString, IconFont> fonts;
    auto found = fonts.constFind(file);
    if (found != fonts.constEnd())
        return found->face;
    IconFont font;
    if (!library && FT_Init_FreeType(&library) != 0)
        library = nullptr;
    if (file.startsWith(QLatin1Char(':'))) {
        // In place when the resource is stored uncompressed.
        font.data = QResource(file).uncompressedData();
    } else {
        QFile in(file);
        if (in.open(QIODevice::ReadOnly))
            font.data = in.readAll();
    }
    if (library && !font.data.isEmpty()
        && FT_New_Memory_Face(library, reinterpret_cast<const FT_Byte *>(font.data.constData()),
                              FT_Long(font.data.size()), 0, &font.face) != 0)
        font.face = nullptr;
    // Kept also when unreadable, so that a bad file is read only once.
    fonts.insert(file, font);
    return font.face;
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
    FT_Face face = iconFace(file);
    if (!face) {
        qDebug().noquote() << "IconPicture::drawGlyph(): cannot read the font" << m_fontSource.toString();
        return QImage();
    }
    // The item's height is the font's pixel size, in 26.6 fixed point.
    if (FT_Set_Char_Size(face, 0, FT_F26Dot6(std::lround(height() * ratio * 64)), 72, 72) != 0) {
        qDebug().noquote() << "IconPicture::drawGlyph(): the font" << m_fontSource.toString()
                           << "has no size" << height() * ratio;
        return QImage();
    }
    QVector<FT_UInt> indexes;
    for (const uint code : m_glyph.toUcs4()) {
        const FT_UInt index = FT_Get_Char_Index(face, code);
        if (index == 0) {
            qDebug().noquote() << "IconPicture::drawGlyph(): the font" << m_fontSource.toString()
                               << "has no glyph for" << m_glyph;
            return QImage();
        }
        indexes.append(index);
    }
    if (indexes.isEmpty())
        return QImage();
    // Light hinting: sharp horizontal edges, the glyph's shape kept.
    const FT_Int32 loadFlags = FT_LOAD_TARGET_LIGHT;
    // The run's width from the advances alone; the glyphs load once, below.
    qreal width = 0;
    for (const FT_UInt index : indexes) {
        FT_Fixed advance = 0;
        if (FT_Get_Advance(face, index, loadFlags, &advance) == 0)
            width += advance / 65536.0;
    }
    const FT_Size_Metrics &metrics = face->size->metrics;
    const qreal ascent = metrics.ascender / 64.0;
    const qreal lineHeight = ascent - metrics.descender / 64.0;
    // Centred as a line of text of this font is, from its ascent and descent.
    qreal penX = (target.width() - width) / 2;
    const qreal baseline = (target.height() - lineHeight) / 2 + ascent;
    QImage image(target, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    const QRgb colour = m_color.rgba();
    for (const FT_UInt index : indexes) {
        if (FT_Load_Glyph(face, index, loadFlags) != 0 || FT_Render_Glyph(face->glyph, FT_RENDER_MODE_NORMAL) != 0)
            continue;
        const FT_GlyphSlot slot = face->glyph;
        const FT_Bitmap &bitmap = slot->bitmap;
        const int left = int(std::lround(penX)) + slot->bitmap_left;
        const int top = int(std::lround(baseline)) - slot->bitmap_top;
        for (unsigned row = 0; row < bitmap.rows; ++row) {
            const int y = top + int(row);
            if (y < 0 || y >= image.height())
                continue;
            const unsigned char *coverage = bitmap.buffer + int(row) * bitmap.pitch;
            auto *line = reinterpret_cast<QRgb *>(image.scanLine(y));
            for (unsigned column = 0; column < bitmap.width; ++column) {
                const int x = left + int(column);
                if (x < 0 || x >= image.width() || coverage[column] == 0)
                    continue;
                // The colour at this coverage, over what earlier glyphs drew.
                const int alpha = qAlpha(colour) * coverage[column] / 255;
                const QRgb over = qPremultiply(qRgba(qRed(colour), qGreen(colour), qBlue(colour), alpha));
                const QRgb under = line[x];
                const int keep = 255 - qAlpha(over);
                line[x] = qRgba(qRed(over) + qRed(under) * keep / 255, qGreen(over) + qGreen(under) * keep / 255,
                                qBlue(over) + qBlue(under) * keep / 255, qAlpha(over) + qAlpha(under) * keep / 255);
            }
        }
        penX += slot->advance.x / 64.0;
    }
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
