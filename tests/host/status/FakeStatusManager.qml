import QtQuick 2.4

// Stands in for com.zel's StatusManager in the status-centre harness: the same
// members, plain writable properties, so that a test sets the device state
// directly. The values at creation are those of a healthy gauge on Wi-Fi.
QtObject {
    id: fakeStatusManager

    // Lets a test tell this object apart from the centre's other children.
    readonly property bool isFakeStatusManager: true
    property QtObject batteryState: QtObject {
        property bool isCharging: false
        property int batteryPercent: 87
        property int batteryMillivolts: 3980
    }
    property QtObject networkSettings: QtObject {
        property string networkModeStr: "NETWORKMODE_WIFI_ST"
        property string networkStateStr: "NETWORKSTATE_CONNECTED"
        property bool isApEth0BridgeEnabled: false
        property string ssid: "SiteOffice"
        property string ipAddress: "192.168.4.23"
    }
    property bool bluetoothEnabled: true
    property QtObject gaugeInfo: QtObject {
        property string modelNumber: "VG-2"
        property string serialNumber: "104217"
        property string calibrationDate: "2026-03-14"
    }
}
