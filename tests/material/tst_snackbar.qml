import QtQuick 2.4
import QtTest 1.1
import Material 0.2

Item {
    id: root
    width: 480
    height: 272

    Component {
        id: snackbarComponent
        Snackbar {
            anchors.bottom: parent.bottom
            anchors.bottomMargin: 10
        }
    }

    TestCase {
        id: testCase
        name: "Snackbar"
        when: windowShown

        property var snackbar: null

        SignalSpy {
            id: openedSpy
            signalName: "openedChanged"
        }

        function init() {
            Units.multiplier = 1;
            Units.pixelDensity = 160 / 25.4;
            snackbar = createTemporaryObject(snackbarComponent, root);
            verify(snackbar);
            openedSpy.clear();
            openedSpy.target = snackbar;
        }

        function card() {
            return snackbar.children[snackbar.children.length - 1];
        }

        function test_openedShowsAndHides() {
            compare(snackbar.visible, false);
            snackbar.text = "Launching Gauge...";
            snackbar.opened = true;
            verify(snackbar.visible);
            tryCompare(card(), "y", 0);
            compare(snackbar.y + snackbar.height, root.height - 10, "bottom where it is anchored");
            snackbar.opened = false;
            tryCompare(snackbar, "visible", false);
            compare(openedSpy.count, 2);
        }

        function test_openedStaysWithoutTimer() {
            // The shell closes its messages itself; setting opened starts no timer.
            snackbar.duration = 50;
            snackbar.opened = true;
            var clock = createTemporaryObject(snackbarComponent, root, { "duration": 50 });
            clock.open("clock");
            // Once the other one's duration has run out, twice over:
            tryCompare(clock, "opened", false);
            clock.open("clock");
            tryCompare(clock, "opened", false);
            verify(snackbar.opened);
        }

        function test_openClosesAfterDuration() {
            snackbar.duration = 100;
            snackbar.open("Saved");
            compare(snackbar.text, "Saved");
            verify(snackbar.opened);
            openedSpy.clear();
            openedSpy.wait(2000 * timeoutFactor);
            compare(snackbar.opened, false);
        }

        function test_width_data() {
            return [
                { tag: "full width", fullWidth: true, text: "short", width: 480 },
                { tag: "short text gets the minimum", fullWidth: false, text: "short", width: 288 },
                { tag: "long text stays inside the parent", fullWidth: false,
                  text: "A rather long message that would be wider than the whole screen of the device", width: 464 }
            ];
        }

        function test_width(data) {
            snackbar.fullWidth = data.fullWidth;
            snackbar.text = data.text;
            snackbar.opened = true;
            compare(card().width, data.width);
            compare(card().x, (root.width - data.width) / 2, "centred");
        }

        function test_font() {
            snackbar.font.pixelSize = Units.dp(16);
            compare(snackbar.font.pixelSize, 16);
            compare(snackbar.font.family, Theme.fontFamily);
        }
    }
}
