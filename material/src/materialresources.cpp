// Registration of the Material library: its resources (the QML modules under
// qrc:/qt-project.org/imports/ and the fonts) and its native QML types.
//
// Nothing calls into this file. The resources and the library's QML, compiled
// ahead of time, register from the static initialiser of
// veltra_material_qmlcache_loader.cpp (or, with VELTRA_COMPILE_QML off, of
// qrc_veltra_material.cpp), which defines qInitResources_veltra_material(); the type registers
// from the start-up function below, which Qt runs when the application object is
// created. veltra_material_anchor() exists so that linkers keep both object
// files: the library's link interface names it as an undefined symbol
// (--undefined / /INCLUDE), which pulls this object, and with it the objects
// it refers to, out of any static archive the library ended up in.
#include "materialtypes.h"

#include <QCoreApplication>

int qInitResources_veltra_material();

namespace {

void registerMaterialTypes()
{
    veltra::material::registerTypes("Material.Private");
}

} // namespace

Q_COREAPP_STARTUP_FUNCTION(registerMaterialTypes)

extern "C" void *veltra_material_anchor()
{
    return reinterpret_cast<void *>(&qInitResources_veltra_material);
}
