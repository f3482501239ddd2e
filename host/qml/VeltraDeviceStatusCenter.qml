import QtQuick 2.4
import Material 0.2
import com.zel 1.0

// The status centre with the device's four items: battery, network, Bluetooth
// and the gauge's identity, each following the device library's StatusManager.
// Their texts belong to the root window's translation context.
VeltraStatusCenter {
    id: deviceStatusCenter

    // The desktop edition reports no charge level.
    property bool desktopEdition: false
    // Formats the battery voltage.
    property var locale: Qt.locale()

    items: [
        VeltraStatusCenterItem {
            id: batteryStatusCenterItem

            readonly property bool __charging: statusManager.batteryState.isCharging
            // Bad readings count as an empty battery.
            readonly property int __percent: {
                var percent = Math.round(Number(statusManager.batteryState.batteryPercent));
                return isNaN(percent) ? 0 : Math.max(0, Math.min(100, percent));
            }
            // The desktop edition reports no charge level: always the full glyph.
            property string iconNameStr: deviceStatusCenter.desktopEdition ? "unicode/\uf079" : getBatteryIconName()

            iconName: iconNameStr
            primaryText: __charging
                         ? qsTranslate("VeltraRootApp", "BATTERY_STATUS_CHARGING")
                         : qsTranslate("VeltraRootApp", "BATTERY_STATUS_REMAINING_PERCENTAGE").arg(__percent)
            secondaryText: __charging
                           ? ""
                           : qsTranslate("VeltraRootApp", "BATTERY_STATUS_REMAINING_VOLTAGE").arg(
                                 (Number(statusManager.batteryState.batteryMillivolts) / 1000)
                                 .toLocaleString(deviceStatusCenter.locale, "f", 2))
            useCustomIconColor: __percent <= 10 && !__charging
            customIconColor: "#ffff00"
            statusBarIconSpacingDelta: Units.dp(10)

            function getBatteryIconName() {
                var glyph;
                if (__charging)
                    glyph = "\uf085";
                else if (__percent <= 5)
                    glyph = "\uf08e";
                else if (__percent <= 10)
                    glyph = "\uf07a";
                else if (__percent <= 20)
                    glyph = "\uf07b";
                else if (__percent <= 40)
                    glyph = "\uf07c";
                else if (__percent <= 55)
                    glyph = "\uf07e";
                else if (__percent <= 70)
                    glyph = "\uf07f";
                else if (__percent <= 85)
                    glyph = "\uf081";
                else if (__percent <= 95)
                    glyph = "\uf082";
                else
                    glyph = "\uf079";
                return "unicode/" + glyph;
            }
        },
        VeltraStatusCenterItem {
            readonly property string __mode: statusManager.networkSettings.networkModeStr
            readonly property string __state: statusManager.networkSettings.networkStateStr
            readonly property bool __connected: __state === "NETWORKSTATE_CONNECTED"
            readonly property bool __bridged: statusManager.networkSettings.isApEth0BridgeEnabled

            showInStatusBar: __mode !== "NETWORKMODE_NONE"
            primaryText: {
                switch (__mode) {
                case "NETWORKMODE_ETHERNET":
                case "NETWORKMODE_USB":
                    return __connected ? qsTranslate("VeltraRootApp", "NETWORKSTATE_CONNECTED")
                                       : qsTranslate("VeltraRootApp", "NETWORKSTATE_DISCONNECTED");
                case "NETWORKMODE_WIFI_AP":
                    return __bridged ? qsTranslate("VeltraRootApp", "NETWORK_STATUS_WIFI_BROADCASTING_ETHERNET_BRIDGE")
                                     : qsTranslate("VeltraRootApp", "NETWORK_STATUS_WIFI_BROADCASTING");
                case "NETWORKMODE_WIFI_ST":
                    return __connected
                           ? qsTranslate("VeltraRootApp", "NETWORK_STATUS_WIFI_JOINED_TO")
                             .arg(statusManager.networkSettings.ssid)
                                       : qsTranslate("VeltraRootApp", "NETWORK_STATUS_WIFI_NOT_JOINED");
                default:
                    return qsTranslate("VeltraRootApp", "NETWORKMODE_NONE");
                }
            }
            secondaryText: {
                if (__state === "NETWORKSTATE_CONNECTING" || __mode === "NETWORKMODE_NONE")
                    return "";
                if (__mode === "NETWORKMODE_WIFI_ST" && statusManager.networkSettings.ssid === "")
                    return "";
                return statusManager.networkSettings.ipAddress;
            }
            iconSource: {
                if (__state === "NETWORKSTATE_ERROR")
                    return "icon://alert/warning";
                switch (__mode) {
                case "NETWORKMODE_ETHERNET":
                    return icondir !== "" ? icondir + "ethernet.svg" : "";
                case "NETWORKMODE_USB":
                    return "icon://device/usb";
                case "NETWORKMODE_WIFI_AP":
                    return __bridged ? (icondir !== "" ? icondir + "wifi_create_network_ethernet_bridge.svg" : "")
                                     : "icon://device/wifi_tethering";
                case "NETWORKMODE_WIFI_ST":
                    return "icon://notification/wifi";
                default:
                    return "icon://action/highlight_off";
                }
            }
        },
        VeltraStatusCenterItem {
            readonly property bool __enabled: statusManager.bluetoothEnabled

            showInStatusBar: __enabled
            primaryText: __enabled ? qsTranslate("VeltraRootApp", "BLUETOOTH_ENABLED")
                                   : qsTranslate("VeltraRootApp", "BLUETOOTH_DISABLED")
            secondaryText: __enabled ? qsTranslate("VeltraRootApp", "BLUETOOTH_ENABLED_SUB_TEXT")
                                     : qsTranslate("VeltraRootApp", "BLUETOOTH_DISABLED_SUB_TEXT")
            iconName: __enabled ? "action/bluetooth" : "action/bluetooth_disabled"
        },
        VeltraStatusCenterItem {
            showInStatusBar: false
            primaryText: statusManager.gaugeInfo.modelNumber + "-" + statusManager.gaugeInfo.serialNumber
            secondaryText: qsTranslate("VeltraRootApp", "STATUS_CENTER_LAST_CALIBRATED_DATE")
                           .arg(statusManager.gaugeInfo.calibrationDate)
            iconSource: icondir !== "" ? icondir + "gauge.color.svg" : ""
        }
    ]

    StatusManager {
        id: statusManager
    }

    // Low battery: the icon is off for a second and on for a second.
    SequentialAnimation {
        id: batteryBlinkAnimation

        running: !batteryStatusCenterItem.__charging && batteryStatusCenterItem.__percent <= 5
        loops: Animation.Infinite
        onRunningChanged: {
            if (!running)
                batteryStatusCenterItem.iconName = Qt.binding(function() {
                    return batteryStatusCenterItem.iconNameStr;
                });
        }

        PropertyAction {
            target: batteryStatusCenterItem
            property: "iconName"
            value: ""
        }
        PauseAnimation {
            duration: 1000
        }
        PropertyAction {
            target: batteryStatusCenterItem
            property: "iconName"
            value: batteryStatusCenterItem.iconNameStr
        }
        PauseAnimation {
            duration: 1000
        }
    }
}
