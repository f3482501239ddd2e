// Renders an SVG picture of the icon directory to a PNG of a given size at
// build time, optionally clearing rectangles to full transparency (the desktop
// frame's screen cut-out must be exactly transparent, not merely dark).
//
//   veltra_svgtopng <in.svg> <out.png> <width> <height> [--clear x,y,w,h]...
#include <QCoreApplication>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QStringList>
#include <QSvgRenderer>

#include <cstdio>

int main(int argc, char **argv)
{
    // Text in the pictures needs the font database, which needs a platform.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    if (args.size() < 5) {
        std::fprintf(stderr, "usage: veltra_svgtopng <in.svg> <out.png> <width> <height> [--clear x,y,w,h]...\n");
        return 2;
    }
    QSvgRenderer renderer(args.at(1));
    if (!renderer.isValid()) {
        std::fprintf(stderr, "veltra_svgtopng: cannot read %s\n", qPrintable(args.at(1)));
        return 1;
    }
    const QSize size(args.at(3).toInt(), args.at(4).toInt());
    if (size.isEmpty()) {
        std::fprintf(stderr, "veltra_svgtopng: bad size %s x %s\n", qPrintable(args.at(3)), qPrintable(args.at(4)));
        return 2;
    }
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    renderer.render(&painter, QRectF(QPointF(0, 0), size));
    painter.setCompositionMode(QPainter::CompositionMode_Clear);
    for (int i = 5; i + 1 < args.size(); i += 2) {
        if (args.at(i) != QLatin1String("--clear"))
            continue;
        const QStringList r = args.at(i + 1).split(QLatin1Char(','));
        if (r.size() == 4)
            painter.fillRect(QRect(r[0].toInt(), r[1].toInt(), r[2].toInt(), r[3].toInt()), Qt::transparent);
    }
    painter.end();
    if (!image.convertToFormat(QImage::Format_ARGB32).save(args.at(2), "PNG")) {
        std::fprintf(stderr, "veltra_svgtopng: cannot write %s\n", qPrintable(args.at(2)));
        return 1;
    }
    return 0;
}
