// The plug-in of the on-disk module "Material.Private" that tools (qmlscene,
// qmltestrunner, qmllint's type look-ups, editors) load: the Material
// library's native types. Programs of the shell link the library instead and
// never load this.
#include "materialtypes.h"

#include <QQmlExtensionPlugin>

class MaterialPrivatePlugin : public QQmlExtensionPlugin
{
    Q_OBJECT
    Q_PLUGIN_METADATA(IID QQmlExtensionInterface_iid)
public:
    void registerTypes(const char *uri) override { veltra::material::registerTypes(uri); }
};

#include "materialprivateplugin.moc"
