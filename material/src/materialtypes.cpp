#include "materialtypes.h"

#include "iconcodepoints.h"
#include "iconpicture.h"
#include "shadowlayers.h"

#include <QQmlEngine>

namespace veltra::material {

void registerTypes(const char *uri)
{
    qmlRegisterType<IconPicture>(uri, 0, 1, "IconPicture");
    qmlRegisterType<ShadowLayers>(uri, 0, 1, "ShadowLayers");
    qmlRegisterSingletonType<IconCodepoints>(uri, 0, 1, "IconCodepoints",
                                             [](QQmlEngine *, QJSEngine *) -> QObject * { return new IconCodepoints; });
}

} // namespace veltra::material
