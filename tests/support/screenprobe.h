#pragma once

#include <QObject>
#include <QString>
#include <QVariant>

namespace veltra::test {

// Reads the colours of a picture an item grabbed (Item.grabToImage's
// result.image): TestCase.grabImage gives empty pictures on the offscreen
// platform with the software renderer.
class ScreenProbe : public QObject
{
    Q_OBJECT
public:
    using QObject::QObject;

    // "#rrggbb" at (x, y), or "" outside the picture.
    Q_INVOKABLE QString pixelOf(const QVariant &image, int x, int y) const;
};

} // namespace veltra::test
