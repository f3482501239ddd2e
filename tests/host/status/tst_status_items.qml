import QtQuick 2.4
import QtTest 1.2
import "StatusTestSupport.js" as Support

// The network, radio and gauge-identity items: texts, icons and whether each
// shows in the bar, for every mode and state the device reports.
TestCase {
    id: testCase

    readonly property string ip: "10.0.0.7"
    property var harness: null
    property var centre: null
    property var device: null

    name: "StatusItems"
    when: windowShown

    function init() {
        harness = createTemporaryObject(harnessComponent, testCase);
        verify(harness);
        centre = harness.statusCenter;
        verify(centre);
        device = Support.device(centre);
        verify(device);
    }

    function barIcon(index) {
        return Support.find(centre, "statusBarIcons").itemAtIndex(index);
    }

    function setNetwork(mode, state, bridge, ssid) {
        var network = device.networkSettings;
        network.networkModeStr = mode;
        network.networkStateStr = state;
        network.isApEth0BridgeEnabled = bridge === true;
        network.ssid = ssid === undefined ? "SiteOffice" : ssid;
        network.ipAddress = ip;
    }

    function test_network_data() {
        var wired = icondir + "ethernet.svg";
        var bridge = icondir + "wifi_create_network_ethernet_bridge.svg";
        var off = "icon://action/highlight_off";
        return [
            { tag: "ethernet connected", mode: "NETWORKMODE_ETHERNET", state: "NETWORKSTATE_CONNECTED",
              primary: "Connected", secondary: ip, icon: wired, inBar: true },
            { tag: "ethernet disconnected", mode: "NETWORKMODE_ETHERNET", state: "NETWORKSTATE_DISCONNECTED",
              primary: "Not Connected", secondary: ip, icon: wired, inBar: true },
            { tag: "ethernet connecting", mode: "NETWORKMODE_ETHERNET", state: "NETWORKSTATE_CONNECTING",
              primary: "Not Connected", secondary: "", icon: wired, inBar: true },
            { tag: "usb connected", mode: "NETWORKMODE_USB", state: "NETWORKSTATE_CONNECTED",
              primary: "Connected", secondary: ip, icon: "icon://device/usb", inBar: true },
            { tag: "usb disconnected", mode: "NETWORKMODE_USB", state: "NETWORKSTATE_DISCONNECTED",
              primary: "Not Connected", secondary: ip, icon: "icon://device/usb", inBar: true },
            { tag: "access point", mode: "NETWORKMODE_WIFI_AP", state: "NETWORKSTATE_CONNECTED",
              primary: "Broadcasting", secondary: ip, icon: "icon://device/wifi_tethering", inBar: true },
            { tag: "access point bridged", mode: "NETWORKMODE_WIFI_AP", state: "NETWORKSTATE_CONNECTED", bridge: true,
              primary: "Broadcasting - E Bridge", secondary: ip, icon: bridge, inBar: true },
            { tag: "station joined", mode: "NETWORKMODE_WIFI_ST", state: "NETWORKSTATE_CONNECTED",
              primary: "Joined to SiteOffice", secondary: ip, icon: "icon://notification/wifi", inBar: true },
            { tag: "station joined, no ssid", mode: "NETWORKMODE_WIFI_ST", state: "NETWORKSTATE_CONNECTED", ssid: "",
              primary: "Joined to ", secondary: "", icon: "icon://notification/wifi", inBar: true },
            { tag: "station not joined", mode: "NETWORKMODE_WIFI_ST", state: "NETWORKSTATE_DISCONNECTED",
              primary: "Not Joined", secondary: ip, icon: "icon://notification/wifi", inBar: true },
            { tag: "station connecting", mode: "NETWORKMODE_WIFI_ST", state: "NETWORKSTATE_CONNECTING",
              primary: "Not Joined", secondary: "", icon: "icon://notification/wifi", inBar: true },
            { tag: "station error", mode: "NETWORKMODE_WIFI_ST", state: "NETWORKSTATE_ERROR",
              primary: "Not Joined", secondary: ip, icon: "icon://alert/warning", inBar: true },
            { tag: "ethernet error", mode: "NETWORKMODE_ETHERNET", state: "NETWORKSTATE_ERROR",
              primary: "Not Connected", secondary: ip, icon: "icon://alert/warning", inBar: true },
            { tag: "none", mode: "NETWORKMODE_NONE", state: "NETWORKSTATE_CONNECTED",
              primary: "Networking Disabled", secondary: "", icon: off, inBar: false },
            { tag: "none with error", mode: "NETWORKMODE_NONE", state: "NETWORKSTATE_ERROR",
              primary: "Networking Disabled", secondary: "", icon: "icon://alert/warning", inBar: false },
            { tag: "factory test", mode: "NETWORKMODE_CETEST", state: "NETWORKSTATE_CONNECTED",
              primary: "Networking Disabled", secondary: ip, icon: off, inBar: true },
            { tag: "bluetooth", mode: "NETWORKMODE_BT", state: "NETWORKSTATE_DISCONNECTED",
              primary: "Networking Disabled", secondary: ip, icon: off, inBar: true },
            { tag: "bluetooth connecting", mode: "NETWORKMODE_BT", state: "NETWORKSTATE_CONNECTING",
              primary: "Networking Disabled", secondary: "", icon: off, inBar: true },
            { tag: "unknown mode", mode: "NETWORKMODE_SATELLITE", state: "NETWORKSTATE_SOMETHING",
              primary: "Networking Disabled", secondary: ip, icon: off, inBar: true },
            { tag: "empty mode", mode: "", state: "",
              primary: "Networking Disabled", secondary: ip, icon: off, inBar: true }
        ];
    }

    function test_network(data) {
        setNetwork(data.mode, data.state, data.bridge, data.ssid);
        var network = centre.items[1];
        compare(network.primaryText, data.primary);
        compare(network.secondaryText, data.secondary);
        compare(network.iconSource, data.icon);
        compare(network.showInStatusBar, data.inBar);
        var icon = barIcon(1);
        compare(icon.visible, data.inBar);
        // Every icon the item names resolves to something drawable.
        verify(icon.valid, data.icon + " resolves");
    }

    function test_networkFollowsTheDevice() {
        setNetwork("NETWORKMODE_WIFI_ST", "NETWORKSTATE_CONNECTED");
        var network = centre.items[1];
        device.networkSettings.ssid = "Warehouse";
        compare(network.primaryText, "Joined to Warehouse");
        device.networkSettings.ipAddress = "172.16.1.2";
        compare(network.secondaryText, "172.16.1.2");
        device.networkSettings.networkStateStr = "NETWORKSTATE_ERROR";
        compare(barIcon(1).source.toString(), "icon://alert/warning");
    }

    function test_radio_data() {
        return [
            { tag: "on", enabled: true, primary: "Enabled",
              secondary: "Now discoverable by ZEL mobile apps. Pairing not required.", icon: "action/bluetooth" },
            { tag: "off", enabled: false, primary: "Disabled", secondary: "Not discoverable",
              icon: "action/bluetooth_disabled" }
        ];
    }

    function test_radio(data) {
        device.bluetoothEnabled = data.enabled;
        var radio = centre.items[2];
        compare(radio.primaryText, data.primary);
        compare(radio.secondaryText, data.secondary);
        compare(radio.iconName, data.icon);
        compare(barIcon(2).visible, data.enabled);
        verify(barIcon(2).valid);
        // The panel lists the radio either way.
        centre.expanded = true;
        var row = Support.find(centre, "statusRows").itemAtIndex(2);
        verify(row.visible);
        verify(row.children[0].valid);
    }

    function test_gaugeIdentity() {
        var identity = centre.items[3];
        compare(identity.primaryText, "VG-2-104217");
        compare(identity.secondaryText, "Last calibrated 2026-03-14");
        compare(identity.iconSource, icondir + "gauge.color.svg");
        device.gaugeInfo.serialNumber = "200001";
        device.gaugeInfo.calibrationDate = "01/02/2027";
        compare(identity.primaryText, "VG-2-200001");
        compare(identity.secondaryText, "Last calibrated 01/02/2027");
        // Never in the bar, whatever else shows there.
        compare(identity.showInStatusBar, false);
        compare(barIcon(3).visible, false);
    }

    Component {
        id: harnessComponent

        StatusCenterHarness {}
    }
}
