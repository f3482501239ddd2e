#pragma once

namespace tarvik {

// Registers the shell's QML module "com.zel" 1.0: VirtualKeyboard, QSettings,
// DiagTime, StatusManager and BatteryStateWrapper, in that order.
void registerZelTypes();

} // namespace tarvik
