import QtQuick 2.4
import QtTest 1.2
import "ShellHarness.js" as Harness

// The status bar of the real root window follows the simulated device live:
// the device file changes, the StatusManager notifies, the bar redraws.
TestCase {
    id: testCase

    readonly property string homeId: "com.ostrelle.veltra.RecHome"

    name: "StatusLive"
    when: windowShown

    function init() {
        verify(simulatedDevice.write(""));
    }

    function startShell() {
        var component = Qt.createComponent("qrc:/VeltraRootApp.qml");
        compare(component.status, Component.Ready, component.errorString());
        var root = createTemporaryObject(component, testCase);
        root.__homeAppId = homeId;
        root.__startupAppId = homeId;
        tryVerify(function() { return root.statusCenter !== null; });
        return root;
    }

    function test_batteryFollowsTheDevice() {
        var root = startShell();
        var battery = root.statusCenter.items[0];
        verify(simulatedDevice.write("[battery]\npercent=50\ncharging=false\nmillivolts=3700\n"));
        compare(battery.iconName, "unicode/\uf07e");
        compare(battery.useCustomIconColor, false);
        compare(battery.primaryText, "50% remaining");
        compare(battery.secondaryText, "3.70 V");

        verify(simulatedDevice.write("[battery]\npercent=5\ncharging=false\n"));
        // Empty for a second, the glyph for a second.
        tryCompare(battery, "iconName", "", 1500 * timeoutFactor);
        tryCompare(battery, "iconName", "unicode/\uf08e", 1500 * timeoutFactor);
        compare(battery.useCustomIconColor, true);

        verify(simulatedDevice.write("[battery]\npercent=3\ncharging=true\n"));
        tryCompare(battery, "iconName", "unicode/\uf085", 1500 * timeoutFactor);
        compare(battery.primaryText, "Charging");
        compare(battery.secondaryText, "");
        wait(1200);
        compare(battery.iconName, "unicode/\uf085");
    }

    function test_networkAndRadioFollowTheDevice() {
        var root = startShell();
        var network = root.statusCenter.items[1];
        var radio = root.statusCenter.items[2];
        verify(simulatedDevice.write("[network]\nmode=NETWORKMODE_WIFI_ST\nstate=NETWORKSTATE_CONNECTED\n"
                                     + "ssid=Site 4\nip=10.0.0.7\n[bluetooth]\nenabled=true\n"));
        compare(network.primaryText, "Joined to Site 4");
        compare(network.secondaryText, "10.0.0.7");
        verify(network.showInStatusBar);
        verify(radio.showInStatusBar);
        verify(simulatedDevice.write("[network]\nmode=NETWORKMODE_NONE\n[bluetooth]\nenabled=false\n"));
        compare(network.primaryText, "Networking Disabled");
        verify(!network.showInStatusBar);
        verify(!radio.showInStatusBar);
        compare(radio.primaryText, "Disabled");
    }
}
