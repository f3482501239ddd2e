import QtQuick 2.4
import QtTest 1.2
import com.zel 1.0
import "../platform/apps"
import "../platform/apps/AppsHarness.js" as Harness
import "FitCheck.js" as FitCheck

// Every screen in the language of this run (VELTRA_TEST_LANGUAGE): the stand-in
// apps, each kind of wizard page with its confirm dialog and result, the
// keyboard, number and auto-off dialogs, the expanded status centre and the
// capture list. Each screen fails on a text that does not fit its box or an
// item off the screen, and goes onto the run's contact sheet.
ShellFixture {
    id: testCase

    property var root: null
    // What the screens of the current test function did not fit, one line each.
    property var __problems: []

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
    }

    // Checks the screen below `screenItem` and adds its picture to the sheet.
    function checkScreen(title, screenItem) {
        // Lets positioners and elision settle: a frame is drawn after the polish.
        waitForRendering(screenItem, 2000);
        var problems = FitCheck.check(screenItem);
        var added = false;
        var done = false;
        screenItem.grabToImage(function(result) {
            added = contactSheet.add(title, result.image);
            done = true;
        });
        tryVerify(function() { return done; }, 5000 * timeoutFactor, "screenshot of " + title);
        verify(added, "screenshot of " + title + " on the sheet");
        if (problems.length > 0)
            __problems = __problems.concat([language.language + " " + title + ":\n  " + problems.join("\n  ")]);
    }

    function showApp(appId, title) {
        root.launchApp(appId);
        waitForApp(root, appId);
        checkScreen(title, root.contentItem);
    }

    function page() {
        return root.pageStack.currentItem;
    }

    // Taps the tile of `key` on the current wizard page, scrolled into view.
    function pick(key) {
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
        mouseClick(tile);
        tryVerify(function() { return page() !== current; }, 2000 * timeoutFactor, "the page after " + key);
        tryCompare(root.pageStack, "busy", false);
    }

    function test_1_apps() {
        waitForApp(root, Harness.homeId);
        checkScreen("Home", root.contentItem);
        showApp(Harness.gaugeId, "Gauge");
        showApp(Harness.settingsId, "Settings");
        showApp(Harness.updatesId, "Updates");
        root.launchApp(Harness.powerId);
        waitForApp(root, Harness.powerId);
        var confirm = Harness.find(root.overlayLayer, "powerConfirmDialog");
        tryCompare(confirm, "opacity", 1);
        checkScreen("Power off", root.contentItem);
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
