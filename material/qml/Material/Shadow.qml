import QtQuick 2.4
import Material.Private 0.1

// The shadow of a raised surface: place it under the surface, filling it, with
// the same corner radius. The shadow is a stack of translucent rounded
// rectangles, each a little larger than the one before, which gives a soft edge
// without shader effects (so it draws with every Qt Quick back end); one item
// draws them all. elevation is the surface's height above the page in dp, as in
// Material Design.
Item {
    id: shadow

    property real elevation: 2
    property real radius: 0
    property color color: "black"

    // Blur, offset and darkness grow with the elevation.
    readonly property real __blur: Units.dp(Math.max(1, elevation * 0.9))
    readonly property real __offset: Units.dp(elevation * 0.45)
    readonly property real __darkness: Math.min(0.26, 0.14 + elevation * 0.006)
    readonly property int __layerCount: 8

    visible: elevation > 0

    ShadowLayers {
        x: -shadow.__blur
        y: -shadow.__blur + shadow.__offset
        width: shadow.width + 2 * shadow.__blur
        height: shadow.height + 2 * shadow.__blur
        blur: shadow.__blur
        radius: shadow.radius
        darkness: shadow.__darkness
        color: shadow.color
        layerCount: shadow.__layerCount
    }
}
