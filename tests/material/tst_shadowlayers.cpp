// The shadow drawing: stretched from its shared small drawing (large surfaces)
// it must look like the layers drawn in full, for every surface size, radius
// and elevation the library uses.
#include "shadowlayers.h"

#include <QImage>
#include <QPainter>
#include <QtTest>

using veltra::material::ShadowLayers;

namespace {

// The layers drawn in full, one rounded rectangle each: the picture the
// shadow stands for.
QImage reference(const QSize &size, qreal blur, qreal radius, qreal darkness, int layers)
{
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    const QRectF surface(blur, blur, size.width() - 2 * blur, size.height() - 2 * blur);
    for (int i = 0; i < layers; ++i) {
        const qreal spread = blur * (i + 1) / layers;
        painter.setBrush(QColor::fromRgbF(0, 0, 0, darkness / layers * 1.6 * (1.0 - qreal(i) / layers)));
        painter.drawRoundedRect(surface.adjusted(-spread, -spread, spread, spread), radius + spread, radius + spread);
    }
    return image;
}

QImage drawn(ShadowLayers &shadow)
{
    QImage image(shadow.size().toSize(), QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    shadow.paint(&painter);
    return image;
}

// The largest difference of alpha between two pictures, in 0..255.
int largestAlphaDifference(const QImage &a, const QImage &b)
{
    int largest = 0;
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x)
            largest = qMax(largest, qAbs(qAlpha(a.pixel(x, y)) - qAlpha(b.pixel(x, y))));
    }
    return largest;
}

} // namespace

class TestShadowLayers : public QObject
{
    Q_OBJECT

private slots:
    void looksLikeTheLayersDrawnInFull_data()
    {
        QTest::addColumn<QSize>("size");
        QTest::addColumn<qreal>("blur");
        QTest::addColumn<qreal>("radius");
        QTest::addColumn<qreal>("darkness");
        QTest::newRow("tile, elevation 1") << QSize(152, 92) << 1.0 << 2.0 << 0.146;
        QTest::newRow("snackbar, elevation 6") << QSize(300, 60) << 5.4 << 2.0 << 0.176;
        QTest::newRow("dialog, elevation 24") << QSize(364, 200) << 21.6 << 2.0 << 0.26;
        QTest::newRow("fractional blur") << QSize(120, 90) << 3.3 << 4.5 << 0.2;
        QTest::newRow("round button, drawn in full") << QSize(66, 66) << 5.0 << 28.0 << 0.2;
        QTest::newRow("thinner than its corners") << QSize(200, 30) << 4.0 << 10.0 << 0.2;
    }

    void looksLikeTheLayersDrawnInFull()
    {
        QFETCH(QSize, size);
        QFETCH(qreal, blur);
        QFETCH(qreal, radius);
        QFETCH(qreal, darkness);
        ShadowLayers shadow;
        shadow.setSize(size);
        shadow.setBlur(blur);
        shadow.setRadius(radius);
        shadow.setDarkness(darkness);
        const QImage expected = reference(size, blur, radius, darkness, shadow.layerCount());
        const QImage actual = drawn(shadow);
        // Stretching snaps the drawing to whole pixels: a pixel's alpha may be
        // off by a few steps, never the shape.
        QVERIFY2(largestAlphaDifference(expected, actual) <= 12,
                 qPrintable(QString::number(largestAlphaDifference(expected, actual))));
        // Something is drawn at all, and the middle is as dark as all layers together.
        QVERIFY(qAlpha(actual.pixel(size.width() / 2, size.height() / 2)) > 0);
    }

    void drawsNothingWithoutRoomOrDarkness()
    {
        ShadowLayers shadow;
        shadow.setSize(QSizeF(10, 10));
        shadow.setBlur(6);
        shadow.setDarkness(0.2);
        QCOMPARE(drawn(shadow), reference(QSize(10, 10), 0, 0, 0, 1));
        shadow.setSize(QSizeF(100, 100));
        shadow.setDarkness(0);
        QCOMPARE(drawn(shadow), reference(QSize(100, 100), 0, 0, 0, 1));
        shadow.setLayerCount(0);
        QCOMPARE(shadow.layerCount(), 1);
    }
};

QTEST_MAIN(TestShadowLayers)
#include "tst_shadowlayers.moc"
