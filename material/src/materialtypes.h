#pragma once

namespace veltra::material {

// Registers the library's native QML types (IconPicture, ShadowLayers, the
// IconCodepoints singleton) under `uri`, version 0.1: "Material.Private" in
// every program that links the library, and in the plug-in of the on-disk
// module that tools load.
void registerTypes(const char *uri);

} // namespace veltra::material
