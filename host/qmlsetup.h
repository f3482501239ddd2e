#pragma once

namespace tarvik {

// Registers the shell's QML module "com.zel" 1.0: VirtualKeyboard, QSettings,
// DiagTime, StatusManager and BatteryStateWrapper, in that order.
void registerZelTypes();

// Registers the host's resources (the shell's QML at the resource root, its
// translations under ":/i18n") in a program that links the host library.
void initResources();

} // namespace tarvik
