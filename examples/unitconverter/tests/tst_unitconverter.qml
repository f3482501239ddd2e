import QtQuick 2.4
import QtTest 1.2
import Veltra.Testing 1.0

// The converter in the shell's window beside the installed apps, driven by
// taps: the launcher lists it, a value entered on the number dialog's keypad
// shows in every unit, a launch sets the value, "Show on gauge" opens the gauge
// in the chosen unit.
AppTestCase {
    id: testCase

    readonly property string gaugeId: "com.ostrelle.veltra.Gauge"

    name: "UnitConverter"
    appId: "com.example.veltra.UnitConverter"

    function valueIn(app, code) {
        return findItem(findItem(app.initialPage, "unitRow_" + code), "valueLabel").text;
    }

    function test_listedInTheLauncher() {
        var root = startShell(homeAppId);
        var home = waitForApp(root, homeAppId);
        var tile = findByText(home.initialPage, "Unit Converter");
        verify(tile, "a tile titled Unit Converter");
        tap(tile);
        waitForApp(root);
    }

    function test_enteredValueInEveryUnit() {
        var root = startShell();
        var app = waitForApp(root);
        tap(findItem(app.initialPage, "enterValueButton"));
        // An open dialog lies in the window's overlay: look for it from the window.
        var dialog = findItem(root, "valueDialog");
        tryCompare(dialog, "showing", true, timeout);
        var keypad = findItem(dialog, "numericKeypad");
        // The whole text is selected on opening: the first key replaces it.
        var keys = ["2", "4", "9", ".", "0", "8", "8", "9"];
        for (var i = 0; i < keys.length; ++i)
            tap(findByText(keypad, keys[i]));
        tap(findItem(dialog, "positiveButton"));
        tryCompare(dialog, "showing", false, timeout);
        compare(app.pascals, 249.0889);
        compare(valueIn(app, "PRESSUREUNITS_INH2O"), "1.000");
        compare(valueIn(app, "PRESSUREUNITS_HPA"), "2.491");
        compare(valueIn(app, "PRESSUREUNITS_PA"), "249.1");
    }

    function test_launchParameters_data() {
        return [
            { tag: "a number", params: { "pascals": 980.665 }, mmH2O: "100.00" },
            { tag: "not a number", params: { "pascals": "980" }, mmH2O: "5.10" },
            { tag: "no record", params: 7, mmH2O: "5.10" }
        ];
    }
    function test_launchParameters(data) {
        var root = startShell(homeAppId);
        waitForApp(root, homeAppId);
        launch(root, appId, data.params);
        var app = waitForApp(root);
        compare(valueIn(app, "PRESSUREUNITS_MMH2O"), data.mmH2O);
    }

    function test_showOnGaugeInTheChosenUnit() {
        var root = startShell();
        var app = waitForApp(root);
        tap(findItem(app.initialPage, "unitRow_PRESSUREUNITS_INH2O"));
        compare(app.unit, "PRESSUREUNITS_INH2O");
        tap(findItem(app.initialPage, "showOnGaugeButton"));
        var gauge = waitForApp(root, gaugeId);
        compare(gauge.pressureUnits, "PRESSUREUNITS_INH2O");
        screenshot(root, "unitconverter-gauge.png");
    }
}
