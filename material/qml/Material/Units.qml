pragma Singleton
import QtQuick 2.4
import QtQuick.Window 2.2

// Density-independent units. One dp is one pixel on a 160 dpi screen at
// multiplier 1; the density comes from the screen, never below that baseline,
// so that a small low-density screen maps one dp to at least one pixel.
// Every binding that calls dp() depends on multiplier and pixelDensity and is
// re-evaluated when either changes.
QtObject {
    id: units

    // Scale on top of the screen density.
    property real multiplier: 1.0
    // Pixels per millimetre.
    property real pixelDensity: Math.max(Screen.pixelDensity, __baselineDensity)
    // Pixels per dp.
    readonly property real pixelSize: multiplier * pixelDensity / __baselineDensity

    // Pixels per millimetre at 160 dpi.
    readonly property real __baselineDensity: 160 / 25.4

    function dp(number) {
        return Math.round(number * pixelSize);
    }
}
