import QtQuick 2.4
import QtTest 1.2
import Material 0.2
import com.zel 1.0
import "../platform/apps"
import "../platform/apps/AppsHarness.js" as Harness
import "../support/qml/Taps.js" as Taps
import "FitCheck.js" as FitCheck

// Every screen in the language of this run (VELTRA_TEST_LANGUAGE): the stand-in
// apps (the gauge in each pressure unit), each kind of wizard page with its
// confirm dialog and result, the keyboard, number and auto-off dialogs, the
// expanded status centre and the capture list; then every path through the
// wizard, by taps, with its questions, confirm dialog and tubing, and the
// gauge it starts. Each screen fails on a text that does not fit its box, is
// cut short, is set too small to read or is spoilt by forced capitals, or an
// item off the screen; the screens go onto the run's contact sheets (the
// paths onto a sheet of their own).
ShellFixture {
    id: testCase

    property var root: null
    // What the screens of the current test function did not fit, one line each.
    property var __problems: []
    // What a text on the device's screen may be made smaller to, at the least.
    readonly property int __smallestText: Units.dp(11)

    name: "Fit"

    function init() {
        __problems = [];
        root = startShell();
    }

    // Every screen of a function is checked and pictured before its problems fail it.
    function cleanup() {
        if (__problems.length > 0)
            fail(__problems.join("\n"));
    }

    function cleanupTestCase() {
        verify(contactSheet.save(), "the contact sheet written");
        verify(pathSheet.save(), "the contact sheet of the paths written");
    }

    // Checks the screen below `screenItem` and adds its picture to `sheet`
    // (the run's contact sheet unless given).
    function checkScreen(title, screenItem, sheet) {
        // Lets positioners and elision settle: a frame is drawn after the polish.
        waitForRendering(screenItem, 2000);
        // No text on these screens may be cut short: each names a button, a
        // term, a device, a tube or a unit, or holds a value.
        var problems = FitCheck.check(screenItem, { "smallest": __smallestText });
        var added = false;
        var done = false;
        screenItem.grabToImage(function(result) {
            added = (sheet || contactSheet).add(title, result.image);
            done = true;
        });
        tryVerify(function() { return done; }, 5000 * timeoutFactor, "screenshot of " + title);
        verify(added, "screenshot of " + title + " on the sheet");
        if (problems.length > 0)
            __problems = __problems.concat([language.language + " " + title + ":\n  " + problems.join("\n  ")]);
    }

    function showApp(appId, title, params) {
        root.launchApp(appId, params);
        var shown = waitForApp(root, appId);
        checkScreen(title, root.contentItem);
        return shown;
    }

    function page() {
        return root.pageStack.currentItem;
    }

    // A tap as a person makes it, by touch or by mouse.
    function tap(item, byTouch) {
        if (byTouch)
            Taps.touchTap(testCase, item);
        else
            Taps.tap(testCase, item);
    }

    // Taps the tile of `key` on the current wizard page, scrolled into view.
    function pick(key, byTouch) {
        var current = page();
        var tile = Harness.find(current, "tile_" + key);
        verify(tile, "a tile for " + key);
        var grid = Harness.find(current, "grid");
        tryVerify(function() { return grid.width > 0 && tile.width > 0; }, 2000 * timeoutFactor, "the tiles laid out");
        var strip = Harness.find(current, "flickable");
        var at = tile.mapToItem(strip, 0, 0);
        if (at.x < 0 || at.x + tile.width > strip.width) {
            strip.contentX = Math.max(0, Math.min(strip.contentWidth - strip.width,
                                                  strip.contentX + at.x - (strip.width - tile.width) / 2));
        }
        tap(tile, byTouch);
        tryVerify(function() { return page() !== current; }, 2000 * timeoutFactor, "the page after " + key);
        tryCompare(root.pageStack, "busy", false);
    }

    function test_1_apps() {
        waitForApp(root, Harness.homeId);
        checkScreen("Home", root.contentItem);
        var gauge = showApp(Harness.gaugeId, "Gauge");
        // The readings and the chip in every unit: a unit keeps its case.
        var units = ["PRESSUREUNITS_HPA", "PRESSUREUNITS_INH2O", "PRESSUREUNITS_MMH2O"];
        for (var u = 0; u < units.length; ++u) {
            root.launchApp(Harness.homeId);
            waitForApp(root, Harness.homeId);
            showApp(Harness.gaugeId, "Gauge in " + units[u].substring("PRESSUREUNITS_".length),
                    { "forcePressureUnits": units[u] });
            compare(gauge.pressureUnits, units[u]);
        }
        showApp(Harness.settingsId, "Settings");
        showApp(Harness.updatesId, "Updates");
        root.launchApp(Harness.powerId);
        waitForApp(root, Harness.powerId);
        var confirm = Harness.find(root.overlayLayer, "powerConfirmDialog");
        tryCompare(confirm, "opacity", 1);
        checkScreen("Power off", root.contentItem);

        // The page shown in place of an app that did not load.
        var errorPage = Qt.createComponent("qrc:/VeltraAppErrorPage.qml");
        compare(errorPage.status, Component.Ready, errorPage.errorString());
        var shown = createTemporaryObject(errorPage, root.contentItem, {
            "appTitle": "Lumvar", "details": "qrc:/LumvarApp.qml:12 Type Page unavailable",
            "width": root.contentItem.width, "height": root.contentItem.height });
        verify(shown);
        checkScreen("App error page", shown);
        shown.destroy();
    }

    function test_2_wizard() {
        root.launchApp(Harness.lumvarId);
        var wizard = waitForApp(root, Harness.lumvarId);
        var steps = [["Test type", "TEST_TYPE_BUILDING_TIGHTNESS"], ["Direction", "TEST_DIRECTION_DEPRESSURIZE"],
                     ["Gauge location", "GAUGE_LOCATION_INSIDE_BUILDING"], ["Flow device", "FLOWDEVICE_TORNEL_3_FAN"]];
        for (var i = 0; i < steps.length; ++i) {
            checkScreen("Wizard: " + steps[i][0], root.contentItem);
            pick(steps[i][1]);
        }
        var dialog = wizard.__confirmDialog;
        tryCompare(dialog, "opacity", 1);
        tryCompare(Harness.find(page(), "tubingDiagramIcon"), "status", Image.Ready);
        checkScreen("Wizard: confirm", root.contentItem);
        dialog.close();
        tryCompare(dialog, "visible", false);
        checkScreen("Wizard: result", root.contentItem);
    }

    function test_3_dialogs() {
        waitForApp(root, Harness.homeId);
        var keyboard = Harness.find(root.contentItem, "loaderKeyboardDialog").instance();
        keyboard.show({ "inputLabel": "SSID", "hintLabel": "1/32", "initialValue": "SiteOffice" });
        tryCompare(keyboard, "opacity", 1);
        checkScreen("Keyboard dialog", root.contentItem);
        keyboard.close();
        tryCompare(keyboard, "visible", false);

        var loader = createTemporaryObject(dialogLoader, root.contentItem);
        loader.setSource("qrc:/NumberInputDialog.qml", { "unitsLabel": "Pa", "initialValue": "-50" });
        var numbers = loader.item;
        verify(numbers, "the number dialog loaded");
        numbers.open();
        tryCompare(numbers, "opacity", 1);
        checkScreen("Number dialog", root.contentItem);
        numbers.close();
        tryCompare(numbers, "visible", false);

        root.autoOffWarning = true;
        var autoOff = Harness.find(root.contentItem, "autoOffDialog");
        tryCompare(autoOff, "opacity", 1);
        checkScreen("Auto-off dialog", root.contentItem);
        root.autoOffWarning = false;
        tryCompare(autoOff, "visible", false);
    }

    function test_4_statusCentre() {
        waitForApp(root, Harness.homeId);
        var statusCenter = root.statusCenter;
        verify(statusCenter);
        statusCenter.expanded = true;
        tryCompare(Harness.find(statusCenter, "expandedStatusCenter"), "visible", true);
        checkScreen("Status centre", root.contentItem);
        statusCenter.expanded = false;
    }

    function test_5_captureList() {
        verify(captureListLoaded, "the capture list's library loaded");
        var component = Qt.createComponent("qrc:/SorvelShell.qml");
        compare(component.status, Component.Ready, component.errorString());
        var shell = createTemporaryObject(component, testCase, { "visible": true });
        verify(shell);
        tryCompare(shell.contentItem, "width", shell.width);
        tryVerify(function() { return shell.app !== null && shell.pageStack.currentItem === shell.app.initialPage; },
                  5000 * timeoutFactor, "the capture list shown");
        var list = Harness.find(shell.app.initialPage, "captureListView");
        verify(list);
        tryVerify(function() { return list.count > 0; }, 5000 * timeoutFactor, "lines in the capture list");
        checkScreen("Capture list", shell.contentItem);
    }

    // Checks the question page shown, and once more scrolled to its end
    // when its tiles are wider than the screen, so that every tile is seen.
    function checkQuestion(title) {
        checkScreen(title, root.contentItem, pathSheet);
        var strip = Harness.find(page(), "flickable");
        if (strip.contentWidth <= strip.width + 1)
            return;
        strip.contentX = strip.contentWidth - strip.width;
        checkScreen(title + ", scrolled", root.contentItem, pathSheet);
        strip.contentX = 0;
    }

    // Every path through the wizard, by taps: each question page once (the
    // flow devices differ by test type), then per path the confirm dialog,
    // the tubing with its strip, and the gauge that the start button opens,
    // showing the mode and the tube of each tap that the path chose (the
    // message that the gauge starts is checked once and then put away, so
    // that the pictures show the taps).
    function test_6_paths() {
        root.launchApp(Harness.lumvarId);
        var wizard = waitForApp(root, Harness.lumvarId);
        var tree = wizard.__decisionTree;
        var paths = tree.paths.slice();
        compare(paths.length, 30, "paths through the wizard");
        var asked = {};
        for (var p = 0; p < paths.length; ++p) {
            var byTouch = p % 2 === 1;
            if (p > 0) {
                root.launchApp(Harness.lumvarId);
                waitForApp(root, Harness.lumvarId);
            }
            var keys = paths[p].split("/").slice(1);
            var result = keys.pop();
            var name = (p + 1) + " " + result;
            for (var k = 0; k < keys.length; ++k) {
                if (!asked.hasOwnProperty(tree.currentPath)) {
                    asked[tree.currentPath] = true;
                    checkQuestion(name + ": " + page().title);
                }
                pick(keys[k], byTouch);
            }
            compare(tree.getResult(), result);
            var dialog = wizard.__confirmDialog;
            tryCompare(dialog, "opacity", 1);
            tryCompare(Harness.find(page(), "tubingDiagramIcon"), "status", Image.Ready);
            checkScreen(name + ": confirm", root.contentItem, pathSheet);
            tap(Harness.find(dialog, "positiveButton"), byTouch);
            tryCompare(dialog, "visible", false);
            checkScreen(name + ": tubing", root.contentItem, pathSheet);

            tap(Harness.find(page(), "launchGaugeBtn"), byTouch);
            var gauge = waitForApp(root, Harness.gaugeId);
            var fields = result.split(":").map(function(field) { return "TAP_LABEL_" + field; });
            compare([gauge.chAInputLbl, gauge.chARefLbl, gauge.chBInputLbl, gauge.chBRefLbl], fields,
                    name + ": the gauge's taps");
            compare(gauge.channelMode, tree.testTypes[keys[0]].forceGaugeMode, name + ": the gauge's mode");
            // The wizard's message that it starts the gauge, once; then the
            // gauge's taps without the message over them.
            var snackbar = Harness.find(root.overlayLayer, "snackbar");
            if (p === 0) {
                tryCompare(snackbar, "opened", true);
                // Pictured once it has slid in, not while it fades in.
                tryCompare(snackbar, "__sliding", false);
                checkScreen(name + ": gauge starting", root.contentItem, pathSheet);
            }
            snackbar.close();
            tryCompare(snackbar, "visible", false);
            checkScreen(name + ": gauge", root.contentItem, pathSheet);
        }
    }

    // Holds the number dialog over the screen, as an app holds it.
    Component {
        id: dialogLoader

        Loader {
            anchors.fill: parent
        }
    }

    // What the number dialog's keypad types into, as the root window offers it.
    VirtualKeyboard {
        id: vKeyboard
    }
}
