import QtQuick 2.4
import QtTest 1.2
import Material 0.2
import "StatusTestSupport.js" as Support

// The bar and the panel on screen: icon places in the bar, hidden items leaving
// no gap, the bar's colours following the window's theme, tapping to expand and
// collapse, the rows of the expanded centre. Writes screenshots of the bar and
// the centre into the working directory.
TestCase {
    id: testCase

    property var harness: null
    property var centre: null
    property var device: null
    property var bar: null

    name: "StatusLayout"
    when: windowShown

    function init() {
        harness = createTemporaryObject(harnessComponent, testCase);
        verify(harness);
        centre = harness.statusCenter;
        verify(centre);
        device = Support.device(centre);
        verify(device);
        bar = Support.find(centre, "statusBar");
        verify(bar);
        // The shell's default app colours.
        harness.theme.statusBarBackgroundColor = "#e51937";
        harness.theme.statusBarForegroundColor = "white";
    }

    function barIcon(index) {
        return Support.find(centre, "statusBarIcons").itemAtIndex(index);
    }

    // Lets the bar lay its icons out again after a change.
    function settle() {
        var icons = Support.find(centre, "statusBarIcons");
        tryVerify(function() { return !isPolishScheduled(icons); }, 3000 * timeoutFactor, "bar laid out");
    }

    // The slot of a bar icon in bar coordinates: { left, right, centreY }.
    function slotOf(index) {
        var icon = barIcon(index);
        var topLeft = icon.mapToItem(bar, 0, 0);
        return { "left": topLeft.x, "right": topLeft.x + icon.width, "centreY": topLeft.y + icon.height / 2 };
    }

    function rowTop(index) {
        var row = Support.find(centre, "statusRows").itemAtIndex(index);
        return row.mapToItem(centre, 0, 0).y;
    }

    function screenshot(file) {
        settle();
        tryVerify(function() { return harness.contentItem.width > 0; }, 3000 * timeoutFactor, "window laid out");
        waitForRendering(harness.contentItem);
        var saved = false;
        harness.contentItem.grabToImage(function(result) { saved = result.saveToFile(file); });
        tryVerify(function() { return saved; }, 5000 * timeoutFactor, file + " written");
    }

    function test_batteryAloneSitsAtTheRight() {
        device.networkSettings.networkModeStr = "NETWORKMODE_NONE";
        device.bluetoothEnabled = false;
        settle();
        compare(centre.height, Units.dp(26));
        compare(slotOf(0).right, bar.width - Units.dp(16));
        compare(slotOf(0).right - slotOf(0).left, Units.dp(30));
        compare(slotOf(0).centreY, bar.height / 2);
        for (var i = 1; i < 4; ++i)
            verify(!barIcon(i).visible, "item " + i + " hidden");
    }

    function test_hiddenItemsLeaveNoGap_data() {
        return [
            { tag: "network and radio", mode: "NETWORKMODE_ETHERNET", radio: true },
            { tag: "network only", mode: "NETWORKMODE_WIFI_ST", radio: false },
            { tag: "radio only", mode: "NETWORKMODE_NONE", radio: true }
        ];
    }

    function test_hiddenItemsLeaveNoGap(data) {
        device.networkSettings.networkModeStr = data.mode;
        device.bluetoothEnabled = data.radio;
        settle();
        var shown = [];
        for (var i = 0; i < 4; ++i) {
            if (barIcon(i).visible)
                shown.push(slotOf(i));
        }
        compare(shown.length, 1 + (data.mode !== "NETWORKMODE_NONE" ? 1 : 0) + (data.radio ? 1 : 0));
        compare(shown[0].right, bar.width - Units.dp(16));
        // Right to left, each next icon 10 dp beyond the one before, 20 dp wide.
        for (var k = 1; k < shown.length; ++k) {
            compare(shown[k - 1].left - shown[k].right, Units.dp(10), "gap before icon " + k);
            compare(shown[k].right - shown[k].left, Units.dp(20));
            compare(shown[k].centreY, bar.height / 2);
        }
    }

    function test_barFollowsTheTheme() {
        device.batteryState.batteryPercent = 60;
        verify(Qt.colorEqual(bar.color, "#e51937"));
        verify(Qt.colorEqual(barIcon(0).color, "white"));
        verify(Qt.colorEqual(barIcon(1).color, "white"));
        screenshot("status-bar-default.png");
        // An app switch copies the app's colours into the window's theme.
        harness.theme.statusBarBackgroundColor = "#981125";
        harness.theme.statusBarForegroundColor = "#c9d5e3";
        verify(Qt.colorEqual(bar.color, "#981125"));
        verify(Qt.colorEqual(barIcon(0).color, "#c9d5e3"));
        verify(Qt.colorEqual(barIcon(2).color, "#c9d5e3"));
        device.batteryState.batteryPercent = 9;
        device.networkSettings.networkModeStr = "NETWORKMODE_ETHERNET";
        verify(Qt.colorEqual(barIcon(0).color, "#ffff00"));
        screenshot("status-bar-wizard-low-battery.png");
    }

    function test_tapExpandsAndCollapses_data() {
        return [
            { tag: "on the close mark", x: Units.dp(480 - 44), y: Units.dp(44) },
            { tag: "on a row", x: Units.dp(200), y: Units.dp(136) },
            { tag: "bottom left corner", x: Units.dp(4), y: Units.dp(268) }
        ];
    }

    function test_tapExpandsAndCollapses(data) {
        var panel = Support.find(centre, "expandedStatusCenter");
        compare(centre.expanded, false);
        verify(!panel.visible);
        // Below the bar nothing of the centre takes a tap.
        mouseClick(harness.contentItem, Units.dp(240), Units.dp(100));
        compare(centre.expanded, false);
        mouseClick(harness.contentItem, Units.dp(100), Units.dp(13));
        compare(centre.expanded, true);
        verify(panel.visible);
        compare(centre.height, harness.height);
        compare(panel.height, harness.height);
        mouseClick(harness.contentItem, data.x, data.y);
        compare(centre.expanded, false);
        verify(!panel.visible);
        compare(centre.height, Units.dp(26));
    }

    function test_expandedHeightIsTheScreenInsideTheFrame() {
        harness.topFrameSize = 10;
        harness.bottomFrameSize = 20;
        compare(centre.expandedHeight, harness.height - 30);
        centre.expanded = true;
        compare(centre.height, harness.height - 30);
    }

    function test_panelIsMadeAtTheFirstExpansion() {
        compare(Support.find(centre, "statusRows"), null);
        centre.expanded = true;
        var rows = Support.find(centre, "statusRows");
        verify(rows);
        centre.expanded = false;
        compare(Support.find(centre, "statusRows"), rows, "kept once made");
    }

    function test_expandedRows() {
        device.batteryState.batteryPercent = 8;
        device.bluetoothEnabled = false;
        device.networkSettings.networkModeStr = "NETWORKMODE_NONE";
        centre.expanded = true;
        var rows = Support.find(centre, "statusRows");
        compare(rows.count, 4);
        // Item 0 at the bottom, the gauge identity on top; hidden bar items too.
        verify(rowTop(0) > rowTop(1));
        verify(rowTop(1) > rowTop(2));
        verify(rowTop(2) > rowTop(3));
        for (var i = 0; i < 4; ++i) {
            var row = rows.itemAtIndex(i);
            verify(row.visible);
            verify(Qt.colorEqual(row.children[0].color, "#222222"), "row " + i + " icon colour");
            compare(row.children[0].mapToItem(centre, 0, 0).x, Units.dp(96));
        }
        compare(rows.itemAtIndex(3).children[1].children[0].text, "VG-2-104217");
        screenshot("status-centre-expanded.png");
        device.bluetoothEnabled = true;
        device.networkSettings.networkModeStr = "NETWORKMODE_WIFI_ST";
        compare(rows.itemAtIndex(2).children[1].children[1].lineCount, 2);
        screenshot("status-centre-expanded-connected.png");
    }

    // Device texts with line breaks, as plain text: a row's first line stays
    // one line, its second at most two.
    function test_deviceTextsWithLineBreaks() {
        device.networkSettings.ssid = "Site\nOffice <b>2</b>";
        device.gaugeInfo.modelNumber = "VG-2\n<i>x</i>";
        device.gaugeInfo.calibrationDate = "2026-03-14\n\n\nlater";
        centre.expanded = true;
        var rows = Support.find(centre, "statusRows");
        var network = rows.itemAtIndex(1).children[1].children;
        var gauge = rows.itemAtIndex(3).children[1].children;
        compare(network[0].text, "Joined to Site\nOffice <b>2</b>");
        compare(network[0].textFormat, Text.PlainText);
        compare(network[0].lineCount, 1);
        compare(gauge[0].text, "VG-2\n<i>x</i>-104217");
        compare(gauge[0].lineCount, 1);
        compare(gauge[1].lineCount, 2);
        screenshot("status-centre-line-breaks.png");
    }

    Component {
        id: harnessComponent

        StatusCenterHarness {}
    }
}
