// The shadow drawing: stretched from its shared small drawing (large surfaces)
// it must look like the layers drawn in full, for every surface size, radius
// and elevation the library uses; drawn in a window by its scene-graph nodes
// as well as with a painter.
#include "shadowlayers.h"

#include <QImage>
#include <QPainter>
#include <QQuickWindow>
#include <QScreen>
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

// What the window shows. The software renderer on the offscreen platform
// cannot grab the scene itself; the platform's screen holds what was flushed.
QImage shownIn(QQuickWindow &window)
{
    QSignalSpy swapped(&window, &QQuickWindow::frameSwapped);
    window.update();
    swapped.wait(5000);
    QImage image = window.grabWindow();
    if (image.isNull())
        image = window.screen()->grabWindow(window.winId()).toImage();
    return image.convertToFormat(QImage::Format_ARGB32);
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
    void initTestCase()
    {
        QQuickWindow::setSceneGraphBackend(QSGRendererInterface::Software);
    }

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

    // What the window shows: the shadow over white, each pixel as dark as the
    // layers' alpha there.
    void windowShowsTheLayers_data() { looksLikeTheLayersDrawnInFull_data(); }
    void windowShowsTheLayers()
    {
        QFETCH(QSize, size);
        QFETCH(qreal, blur);
        QFETCH(qreal, radius);
        QFETCH(qreal, darkness);
        const QPoint at(7, 5);
        QQuickWindow window;
        window.setColor(Qt::white);
        window.resize(size + QSize(2 * at.x(), 2 * at.y()));
        auto *shadow = new ShadowLayers(window.contentItem());
        shadow->setPosition(at);
        shadow->setSize(size);
        shadow->setBlur(blur);
        shadow->setRadius(radius);
        shadow->setDarkness(darkness);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        // Resized after its first frame, as a tile's shadow is when its page lays out.
        shadow->setSize(size);
        const QImage shown = shownIn(window).copy(QRect(at, size));
        const QImage expected = reference(size, blur, radius, darkness, shadow->layerCount());
        int largest = 0;
        for (int y = 0; y < size.height(); ++y) {
            for (int x = 0; x < size.width(); ++x)
                largest = qMax(largest, qAbs((255 - qGray(shown.pixel(x, y))) - qAlpha(expected.pixel(x, y))));
        }
        QVERIFY2(largest <= 12, qPrintable(QString::number(largest)));
        QVERIFY(qGray(shown.pixel(size.width() / 2, size.height() / 2)) < 255);
    }

    void windowFollowsANewSize()
    {
        QQuickWindow window;
        window.setColor(Qt::white);
        window.resize(400, 300);
        auto *shadow = new ShadowLayers(window.contentItem());
        shadow->setSize(QSizeF(100, 80));
        shadow->setBlur(5.4);
        shadow->setRadius(2);
        shadow->setDarkness(0.176);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QCOMPARE(qGray(shownIn(window).pixel(200, 150)), 255);
        shadow->setSize(QSizeF(300, 200));
        const QImage shown = shownIn(window);
        const QImage expected = reference(QSize(300, 200), 5.4, 2, 0.176, shadow->layerCount());
        // Inside the larger surface, near its bottom right corner, and outside it.
        for (const QPoint &p : {QPoint(200, 150), QPoint(290, 190), QPoint(350, 250)}) {
            const int alpha = p.x() < 300 && p.y() < 200 ? qAlpha(expected.pixel(p)) : 0;
            QVERIFY2(qAbs((255 - qGray(shown.pixel(p))) - alpha) <= 12,
                     qPrintable(QStringLiteral("%1,%2").arg(p.x()).arg(p.y())));
        }
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
