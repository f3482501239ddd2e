import QtQuick 2.4
import QtTest 1.2
import "ShellHarness.js" as Harness
import "../../support/qml"
import "../../support/qml/HostileTexts.js" as Hostile
import "../../support/qml/Taps.js" as Taps
import "../../material" as MaterialTests

// The Wi-Fi name and the gauge's identity from the simulated device file are
// plain text in the expanded status centre of the real root window.
TestCase {
    id: testCase

    readonly property string homeId: "com.ostrelle.veltra.RecHome"

    name: "StatusPlainText"
    when: windowShown

    Component {
        id: controlComponent

        Image {
            cache: false
        }
    }

    PlainTextCheck {
        id: plain
    }

    MaterialTests.PixelProbe {
        id: pixels
    }

    function init() {
        verify(simulatedDevice.write(""));
        httpProbe.clear();
    }

    // A device-file value in double quotes, with \" and \\ inside.
    function quoted(text) {
        return "\"" + text.replace(/\\/g, "\\\\").replace(/"/g, "\\\"") + "\"";
    }

    function writeDevice(ssid, identity) {
        verify(simulatedDevice.write("[network]\nmode=NETWORKMODE_WIFI_ST\nstate=NETWORKSTATE_CONNECTED\n"
                                     + "ssid=" + quoted(ssid) + "\n[gauge]\nmodel=" + quoted(identity)
                                     + "\nserial=" + quoted(identity) + "\ncalibration_date=" + quoted(identity) + "\n"));
    }

    // The root window with its status centre expanded by a tap on the bar.
    function expandedCentre() {
        var component = Qt.createComponent("qrc:/VeltraRootApp.qml");
        compare(component.status, Component.Ready, component.errorString());
        var root = createTemporaryObject(component, testCase);
        root.__homeAppId = homeId;
        root.__startupAppId = homeId;
        root.autoOffWarning = false;
        tryVerify(function() { return root.statusCenter !== null; });
        Taps.tap(testCase, Harness.find(root.statusCenter, "statusCenterTapArea"), 100, 5);
        tryCompare(root.statusCenter, "expanded", true);
        var rows = Harness.find(root.statusCenter, "statusRows");
        tryVerify(function() { return rows !== null && rows.count === 4; });
        return root;
    }

    function isMarker(p) {
        return p.r > 200 && p.g < 60 && p.b > 200;
    }

    // A device file has no way to write a line break, so the table's text
    // with newlines is left out.
    function test_deviceTexts_data() {
        return Hostile.rows(testMarkerPicture).filter(function(row) { return row.tag !== "newlines"; });
    }

    function test_deviceTexts(data) {
        writeDevice(data.text, data.text);
        var root = expandedCentre();
        var items = root.statusCenter.items;
        var network = items[1];
        var gauge = items[3];
        verify(network.primaryText.indexOf(data.text) >= 0, network.primaryText.substring(0, 80));
        compare(gauge.primaryText, data.text + "-" + data.text);
        verify(gauge.secondaryText.indexOf(data.text) >= 0, gauge.secondaryText.substring(0, 80));
        var expanded = Harness.find(root.statusCenter, "expandedStatusCenter");
        var texts = [network.primaryText, gauge.primaryText, gauge.secondaryText];
        for (var i = 0; i < texts.length; ++i) {
            var shown = Hostile.textItems(expanded, texts[i]);
            compare(shown.length, 1, texts[i].substring(0, 80));
            compare(plain.problem(shown[0], texts[i]), "");
        }
        pixels.grab(expanded, "status-plaintext");
        tryVerify(function() { return pixels.ready; }, 5000 * timeoutFactor);
        compare(pixels.count(isMarker), 0, "magenta pixels in the status centre");
        var saved = false;
        root.contentItem.grabToImage(function(result) {
            saved = result.saveToFile("status_" + data.tag.replace(/ /g, "_") + ".png");
        });
        tryVerify(function() { return saved; }, 5000 * timeoutFactor);
    }

    function test_remotePictureInTheWifiNameIsNotFetched() {
        writeDevice("<img src=\"http://127.0.0.1:" + httpProbe.port + "/ssid.png\">",
                    "<img src=\"http://127.0.0.1:" + httpProbe.port + "/gauge.png\">");
        expandedCentre();
        var control = createTemporaryObject(controlComponent, testCase,
                                            { "source": "http://127.0.0.1:" + httpProbe.port + "/control.png" });
        tryCompare(control, "status", Image.Ready);
        compare(httpProbe.paths, ["/control.png"]);
    }
}
