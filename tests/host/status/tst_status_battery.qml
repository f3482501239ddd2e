import QtQuick 2.4
import QtTest 1.2
import "StatusTestSupport.js" as Support

// The battery item: glyph per charge level, the low-battery colour, the blink
// below 5 %, the desktop edition's fixed glyph and the two lines of text.
TestCase {
    id: testCase

    property var harness: null
    property var centre: null
    property var device: null
    property var battery: null

    name: "StatusBattery"
    when: windowShown

    function init() {
        harness = createTemporaryObject(harnessComponent, testCase);
        verify(harness);
        centre = harness.statusCenter;
        verify(centre);
        device = Support.device(centre);
        verify(device);
        battery = centre.items[0];
        harness.theme.statusBarForegroundColor = "#00ff00";
    }

    function setBattery(percent, charging, millivolts) {
        device.batteryState.batteryPercent = percent;
        device.batteryState.isCharging = charging;
        if (millivolts !== undefined)
            device.batteryState.batteryMillivolts = millivolts;
    }

    function barIcon(index) {
        return Support.find(centre, "statusBarIcons").itemAtIndex(index);
    }

    function rowIcon(index) {
        return Support.find(centre, "statusRows").itemAtIndex(index).children[0];
    }

    function isYellow(icon) {
        return Qt.colorEqual(icon.color, "#ffff00");
    }

    function test_glyphAndColour_data() {
        return [
            { tag: "5 %", percent: 5, charging: false, glyph: 0xf08e, yellow: true },
            { tag: "6 %", percent: 6, charging: false, glyph: 0xf07a, yellow: true },
            { tag: "10 %", percent: 10, charging: false, glyph: 0xf07a, yellow: true },
            { tag: "11 %", percent: 11, charging: false, glyph: 0xf07b, yellow: false },
            { tag: "20 %", percent: 20, charging: false, glyph: 0xf07b, yellow: false },
            { tag: "21 %", percent: 21, charging: false, glyph: 0xf07c, yellow: false },
            { tag: "40 %", percent: 40, charging: false, glyph: 0xf07c, yellow: false },
            { tag: "41 %", percent: 41, charging: false, glyph: 0xf07e, yellow: false },
            { tag: "55 %", percent: 55, charging: false, glyph: 0xf07e, yellow: false },
            { tag: "56 %", percent: 56, charging: false, glyph: 0xf07f, yellow: false },
            { tag: "70 %", percent: 70, charging: false, glyph: 0xf07f, yellow: false },
            { tag: "71 %", percent: 71, charging: false, glyph: 0xf081, yellow: false },
            { tag: "85 %", percent: 85, charging: false, glyph: 0xf081, yellow: false },
            { tag: "86 %", percent: 86, charging: false, glyph: 0xf082, yellow: false },
            { tag: "95 %", percent: 95, charging: false, glyph: 0xf082, yellow: false },
            { tag: "96 %", percent: 96, charging: false, glyph: 0xf079, yellow: false },
            { tag: "100 %", percent: 100, charging: false, glyph: 0xf079, yellow: false },
            { tag: "charging at 3 %", percent: 3, charging: true, glyph: 0xf085, yellow: false },
            { tag: "charging at 100 %", percent: 100, charging: true, glyph: 0xf085, yellow: false },
            // Readings out of range count as the nearest end.
            { tag: "-5 %", percent: -5, charging: false, glyph: 0xf08e, yellow: true },
            { tag: "150 %", percent: 150, charging: false, glyph: 0xf079, yellow: false }
        ];
    }

    function test_glyphAndColour(data) {
        setBattery(data.percent, data.charging);
        compare(battery.iconNameStr, Support.glyphName(data.glyph));
        // A blinking icon shows its glyph again within the second.
        tryCompare(barIcon(0), "glyph", String.fromCharCode(data.glyph), 3000 * timeoutFactor);
        compare(isYellow(barIcon(0)), data.yellow);
        if (!data.yellow)
            verify(Qt.colorEqual(barIcon(0).color, "#00ff00"), "drawn in the bar's foreground colour");
        // The panel draws the glyph in its own colour, yellow or not.
        centre.expanded = true;
        tryCompare(rowIcon(0), "glyph", String.fromCharCode(data.glyph), 3000 * timeoutFactor);
        verify(Qt.colorEqual(rowIcon(0).color, "#222222"));
    }

    function test_blinksBelowFivePercent() {
        var animation = Support.blinkAnimation(centre);
        verify(animation);
        verify(!animation.running);
        setBattery(5, false);
        verify(animation.running);
        var icon = barIcon(0);
        tryCompare(icon, "glyph", "", 3000 * timeoutFactor);
        var offAt = Date.now();
        tryCompare(icon, "glyph", String.fromCharCode(0xf08e), 3000 * timeoutFactor);
        var onAt = Date.now();
        tryCompare(icon, "glyph", "", 3000 * timeoutFactor);
        var offAgainAt = Date.now();
        verify(onAt - offAt >= 900, "off for a second, was " + (onAt - offAt) + " ms");
        verify(offAgainAt - onAt >= 900, "on for a second, was " + (offAgainAt - onAt) + " ms");
        // The panel row blinks with the bar.
        centre.expanded = true;
        tryCompare(rowIcon(0), "glyph", String.fromCharCode(0xf08e), 3000 * timeoutFactor);
        tryCompare(rowIcon(0), "glyph", "", 3000 * timeoutFactor);
    }

    function test_chargingStopsTheBlinkWhileOff() {
        setBattery(4, false);
        var icon = barIcon(0);
        tryCompare(icon, "glyph", "", 3000 * timeoutFactor);
        setBattery(4, true);
        verify(!Support.blinkAnimation(centre).running);
        compare(icon.glyph, String.fromCharCode(0xf085));
        // Once stopped the icon follows the charge again.
        setBattery(50, false);
        compare(icon.glyph, String.fromCharCode(0xf07e));
        verify(!isYellow(icon));
    }

    function test_risingChargeStopsTheBlink() {
        setBattery(2, false);
        var icon = barIcon(0);
        tryCompare(icon, "glyph", "", 3000 * timeoutFactor);
        setBattery(6, false);
        verify(!Support.blinkAnimation(centre).running);
        compare(icon.glyph, String.fromCharCode(0xf07a));
        verify(isYellow(icon));
        setBattery(30, false);
        compare(icon.glyph, String.fromCharCode(0xf07c));
    }

    function test_noBlinkWhileCharging() {
        setBattery(3, true);
        verify(!Support.blinkAnimation(centre).running);
        compare(barIcon(0).glyph, String.fromCharCode(0xf085));
        compare(battery.primaryText, "Charging");
        compare(battery.secondaryText, "");
    }

    function test_desktopEditionShowsTheFullGlyph_data() {
        return [
            { tag: "50 %", percent: 50, charging: false, yellow: false, blinks: false },
            { tag: "8 %", percent: 8, charging: false, yellow: true, blinks: false },
            { tag: "3 %", percent: 3, charging: false, yellow: true, blinks: true },
            { tag: "charging at 3 %", percent: 3, charging: true, yellow: false, blinks: false }
        ];
    }

    function test_desktopEditionShowsTheFullGlyph(data) {
        harness.__desktopEdition = true;
        setBattery(data.percent, data.charging);
        compare(battery.iconNameStr, Support.glyphName(0xf079));
        tryCompare(barIcon(0), "glyph", String.fromCharCode(0xf079), 3000 * timeoutFactor);
        compare(isYellow(barIcon(0)), data.yellow);
        compare(Support.blinkAnimation(centre).running, data.blinks);
        if (data.blinks)
            tryCompare(barIcon(0), "glyph", "", 3000 * timeoutFactor);
    }

    function test_texts_data() {
        return [
            { tag: "English", locale: "en_US", percent: 42, millivolts: 3700, primary: "42% remaining", secondary: "3.70 V" },
            { tag: "German", locale: "de_DE", percent: 42, millivolts: 3700, primary: "42% remaining", secondary: "3,70 V" },
            { tag: "two decimals", locale: "en_US", percent: 99, millivolts: 4000, primary: "99% remaining", secondary: "4.00 V" },
            { tag: "negative percent", locale: "en_US", percent: -3, millivolts: 3300, primary: "0% remaining", secondary: "3.30 V" }
        ];
    }

    function test_texts(data) {
        harness.locale = Qt.locale(data.locale);
        setBattery(data.percent, false, data.millivolts);
        compare(battery.primaryText, data.primary);
        compare(battery.secondaryText, data.secondary);
        setBattery(data.percent, true);
        compare(battery.primaryText, "Charging");
        compare(battery.secondaryText, "");
    }

    Component {
        id: harnessComponent

        StatusCenterHarness {}
    }
}
