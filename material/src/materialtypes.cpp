#include "materialtypes.h"

#include "iconcodepoints.h"
#include "shadowlayers.h"
#include "tintedimage.h"

#include <QQmlEngine>

namespace veltra::material {

void registerTypes(const char *uri)
{
    qmlRegisterType<TintedImage>(uri, 0, 1, "TintedImage");
    qmlRegisterType<ShadowLayers>(uri, 0, 1, "ShadowLayers");
    qmlRegisterSingletonType<IconCodepoints>(uri, 0, 1, "IconCodepoints",
                                             [](QQmlEngine *, QJSEngine *) -> QObject * { return new IconCodepoints; });
}

} // namespace veltra::material
