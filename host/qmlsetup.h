#pragma once

namespace tarvik {

// Registers the shell's QML module "com.zel" 1.0: VirtualKeyboard, QSettings,
// DiagTime, StatusManager and BatteryStateWrapper, in that order.
void registerZelTypes();

// The application font's rendering, for every text of the shell and its
// apps: glyphs without hinting. Hinting runs FreeType's hinter for every
// glyph of every new size and weight (about a tenth of the instructions of
// loading the apps) for a sharpness the screen's 480 x 272 at small sizes
// barely shows. Also makes the labels' font bindings cheap to evaluate.
// Call once the application object exists, before the QML engine.
void setTextRendering();

// Registers the host's resources (the shell's QML at the resource root, its
// translations under ":/i18n") in a program that links the host library.
void initResources();

} // namespace tarvik
