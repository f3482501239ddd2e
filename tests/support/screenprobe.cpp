#include "screenprobe.h"

#include <QColor>
#include <QImage>

namespace veltra::test {

QString ScreenProbe::pixelOf(const QVariant &image, int x, int y) const
{
    const QImage picture = image.value<QImage>();
    return picture.valid(x, y) ? QColor(picture.pixel(x, y)).name() : QString();
}

} // namespace veltra::test
