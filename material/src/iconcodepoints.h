#ifndef VELTRA_MATERIAL_ICONCODEPOINTS_H
#define VELTRA_MATERIAL_ICONCODEPOINTS_H

#include <QObject>
#include <QString>

namespace veltra {
namespace material {

// The icon name tables of the icon fonts, generated at build time from the
// font packages' style sheets (GenerateIconCodepoints.cmake). Registered as
// the singleton IconCodepoints of Material.Private; each look-up returns the
// code point of a name, or -1 when the font has no icon of that name.
class IconCodepoints : public QObject
{
    Q_OBJECT

public:
    explicit IconCodepoints(QObject *parent = nullptr);

    // Google's Material Icons, e.g. "usb".
    Q_INVOKABLE int material(const QString &name) const;
    // Font Awesome 4, the name without its "fa-" prefix, e.g. "play".
    Q_INVOKABLE int awesome(const QString &name) const;
};

} // namespace material
} // namespace veltra

#endif // VELTRA_MATERIAL_ICONCODEPOINTS_H
