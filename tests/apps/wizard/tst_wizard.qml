import QtQuick 2.4
import QtTest 1.2
import "../../platform/apps"
import "../../platform/apps/AppsHarness.js" as Harness

// The tubing wizard in the real root window: every answer path from the test
// type to the tubing (and no destination named on its result page but the
// path's own), the confirm dialog, going back, and the gauge started with the
// matching configuration.
ShellFixture {
    id: testCase

    property var root: null
    property var wizard: null

    name: "Wizard"

    function init() {
        root = startShell(Harness.lumvarId);
        wizard = waitForApp(root, Harness.lumvarId);
    }

    function page() {
        return root.pageStack.currentItem;
    }

    function tileKeys(p) {
        return p.options.map(function(o) { return o.key; });
    }

    function pick(key) {
        var current = page();
        var tile = Harness.find(current, "tile_" + key);
        verify(tile, "a tile for " + key + " on " + current.title);
        // The tiles are laid out when the page is next drawn.
        var grid = Harness.find(current, "grid");
        var n = current.options.length;
        tryVerify(function() {
            for (var i = 0; i < n; ++i) {
                var t = Harness.find(current, "tile_" + current.options[i].key);
                if (!t || t.x !== i * (grid.tileSize + grid.tileSpacing))
                    return false;
            }
            return grid.width === n * grid.tileSize + (n - 1) * grid.tileSpacing;
        }, 2000 * timeoutFactor, "the tiles laid out");
        // Scroll the strip so that the tile is on screen, as a user would.
        var strip = Harness.find(current, "flickable");
        var at = tile.mapToItem(strip, 0, 0);
        if (at.x < 0 || at.x + tile.width > strip.width) {
            strip.contentX = Math.max(0, Math.min(strip.contentWidth - strip.width,
                                                  strip.contentX + at.x - (strip.width - tile.width) / 2));
        }
        mouseClick(tile);
        tryVerify(function() { return page() !== current; }, 2000 * timeoutFactor, "the next page after " + key);
    }

    function confirmDialog() {
        return wizard.__confirmDialog;
    }

    // Closes the confirm dialog and waits until it no longer covers the page.
    function closeDialog() {
        confirmDialog().close();
        tryCompare(confirmDialog(), "visible", false);
    }

    function walk(keys) {
        for (var i = 0; i < keys.length; ++i)
            pick(keys[i]);
    }

    // The texts of the SVG picture at `url`, read as a file.
    function svgTexts(url) {
        var request = new XMLHttpRequest();
        var done = false;
        request.onreadystatechange = function() {
            if (request.readyState === XMLHttpRequest.DONE)
                done = true;
        };
        request.open("GET", url);
        request.send();
        tryVerify(function() { return done; }, 5000 * timeoutFactor, "read " + url);
        verify(request.responseText.indexOf("<svg") >= 0, url + " is a picture");
        var texts = [];
        var pattern = /<text\b[^>]*>([\s\S]*?)<\/text>/g;
        var match;
        while ((match = pattern.exec(request.responseText)) !== null)
            texts.push(match[1].replace(/<[^>]*>/g, "").trim());
        return texts;
    }

    // The texts of every visible text item in `item`.
    function shownTexts(item, found) {
        found = found || [];
        if (!item.visible)
            return found;
        if (typeof item.text === "string" && item.font !== undefined && item.text !== "")
            found.push(item.text);
        for (var i = 0; i < item.children.length; ++i)
            shownTexts(item.children[i], found);
        return found;
    }

    // The result page names no destination, in its picture or in its texts,
    // but the four of the path shown. Destinations are the strip's texts but
    // for the taps' own names (Input, Reference, None).
    function checkDestinations(result, path) {
        var strip = Harness.find(result, "tapLabels");
        var own = ["inputALabel", "refALabel", "inputBLabel", "refBLabel"].map(function(name) {
            return Harness.find(strip, name).text;
        });
        var plain = ["TAP_LABEL_INPUT", "TAP_LABEL_REFERENCE", "TAP_LABEL_REFERENCE_ABBREV", "TAP_LABEL_NONE"];
        var labels = strip.__translatedLabels;
        var destinations = Object.keys(labels).filter(function(key) { return plain.indexOf(key) < 0; })
                                              .map(function(key) { return labels[key]; });
        var diagram = Harness.find(result, "tubingDiagramIcon");
        svgTexts(String(diagram.source)).forEach(function(text) {
            verify(own.indexOf(text) >= 0, path + ": the picture names \"" + text + "\"; the path's own: " + own);
        });
        shownTexts(result).forEach(function(text) {
            verify(destinations.indexOf(text) < 0 || own.indexOf(text) >= 0,
                   path + ": the page shows \"" + text + "\"; the path's own: " + own);
        });
    }

    function test_startsAtTheTestTypes() {
        compare(page().title, "Select Test Type");
        compare(tileKeys(page()), ["TEST_TYPE_BUILDING_TIGHTNESS", "TEST_TYPE_DUCT_TIGHTNESS",
                                   "TEST_TYPE_AIR_HANDLER_FLOW", "TEST_TYPE_OTHER"]);
        compare(page().selectedKey, "");
        compare(wizard.__decisionTree.currentPath, "");
        screenshot(root, "wizard_test_type.png");
    }

    // Every entry of the decision tree, answered through the pages.
    function test_everyPathReachesItsTubing() {
        var paths = wizard.__decisionTree.paths;
        compare(paths.length, 30);
        for (var i = 0; i < paths.length; ++i) {
            var segments = paths[i].split("/");
            var keys = segments.slice(1, segments.length - 1);
            var fields = segments[segments.length - 1].split(":");
            root.launchApp(Harness.homeId);
            root.launchApp(Harness.lumvarId);
            compare(page().title, "Select Test Type", paths[i]);
            walk(keys);
            var result = page();
            compare(result.objectName, "connectionsPage", paths[i]);
            compare([result.chAInputLbl, result.chARefLbl, result.chBInputLbl, result.chBRefLbl],
                    fields.map(function(f) { return "TAP_LABEL_" + f; }), paths[i]);
            tryCompare(confirmDialog(), "showing", true);
            // The diagram for this answer exists and loads.
            tryCompare(Harness.find(result, "tubingDiagramIcon"), "status", Image.Ready);
            checkDestinations(result, paths[i]);
            var params = wizard.__launchParams();
            compare(Object.keys(params), ["flowDevice", "forceGaugeMode", "forcePressureUnits", "chAInputLbl",
                                          "chARefLbl", "chBInputLbl", "chBRefLbl"], paths[i]);
            compare(params.flowDevice, keys[keys.length - 1], paths[i]);
            compare(params.forceGaugeMode, wizard.__decisionTree.testTypes[keys[0]].forceGaugeMode, paths[i]);
            compare(params.forcePressureUnits, "PRESSUREUNITS_PA", paths[i]);
            closeDialog();
            // A few result pages to look at: one per test type.
            if ([1, 11, 25, 29].indexOf(i + 1) >= 0)
                screenshot(root, "wizard_result_path" + (i + 1) + ".png");
        }
    }

    function test_buildingTightnessToTheGauge() {
        walk(["TEST_TYPE_BUILDING_TIGHTNESS", "TEST_DIRECTION_DEPRESSURIZE", "GAUGE_LOCATION_INSIDE_BUILDING",
              "FLOWDEVICE_TORNEL_3_FAN"]);
        var dialog = confirmDialog();
        tryCompare(dialog, "showing", true);
        compare(dialog.title, "Confirm Selections");
        compare(dialog.text, "    - Building Tightness\n    - Depressurize\n    - Gauge Inside the Building\n"
                + "    - Tornel 3 110V Fan");
        var diagram = Harness.find(page(), "tubingDiagramIcon");
        verify(String(diagram.source).match(/tubing_config_0gr0\.svg$/));
        tryCompare(diagram, "status", Image.Ready);
        tryCompare(dialog, "opacity", 1);
        screenshot(root, "wizard_confirm.png");
        // A tap outside the dialog leaves it open.
        mouseClick(root.contentItem, 4, root.height - 4);
        compare(dialog.showing, true);
        dialog.accepted();
        closeDialog();
        screenshot(root, "wizard_result.png");

        var launch = Harness.find(page(), "launchGaugeBtn");
        verify(launch.visible);
        mouseClick(launch);
        compare(root.__currAppId, Harness.gaugeId);
        var gauge = app(root, Harness.gaugeId);
        compare(gauge.channelMode, "CHANNELMODE_FLOWAT50");
        compare(gauge.pressureUnits, "PRESSUREUNITS_PA");
        compare([gauge.chAInputLbl, gauge.chARefLbl, gauge.chBInputLbl, gauge.chBRefLbl],
                ["TAP_LABEL_NONE", "TAP_LABEL_OUTSIDE", "TAP_LABEL_T3_FAN", "TAP_LABEL_NONE"]);
        // The gauge names its taps with the same strip and colours as the wizard.
        var strip = Harness.find(gauge.initialPage, "tapStrip");
        compare([strip.chAInputColorCode, strip.chARefColorCode, strip.chBInputColorCode, strip.chBRefColorCode],
                ["0", "G", "R", "0"]);
        waitForApp(root, Harness.gaugeId);
        screenshot(root, "wizard_gauge.png");
        var snackbar = Harness.find(root.contentItem, "snackbar");
        compare(snackbar.text, "Launching Gauge with selected configuration…");
    }

    function test_otherApplicationsAskTwoQuestions() {
        walk(["TEST_TYPE_OTHER", "FLOWDEVICE_HOODEX_METER"]);
        tryCompare(confirmDialog(), "showing", true);
        compare(confirmDialog().text, "    - Other Applications\n    - Hoodex Meter");
        compare(root.pageStack.depth, 3);
        var params = wizard.__launchParams();
        compare(params.flowDevice, "FLOWDEVICE_HOODEX_METER");
        compare(params.forceGaugeMode, "CHANNELMODE_FLOW");
        compare([params.chAInputLbl, params.chARefLbl, params.chBInputLbl, params.chBRefLbl],
                ["TAP_LABEL_NONE", "TAP_LABEL_NONE", "TAP_LABEL_FLOW_BOX", "TAP_LABEL_NONE"]);
        verify(String(Harness.find(page(), "tubingDiagramIcon").source).match(/tubing_config_00r0\.svg$/));
    }

    function test_airHandlerFlowSkipsTheDirection() {
        walk(["TEST_TYPE_AIR_HANDLER_FLOW"]);
        compare(page().title, "Select Gauge Location");
        walk(["GAUGE_LOCATION_OUTSIDE_BUILDING", "FLOWDEVICE_PLENARA_AH_METER"]);
        tryCompare(confirmDialog(), "showing", true);
        compare(confirmDialog().text, "    - Air Handler Flow\n    - Gauge Outside the Building\n"
                + "    - Plenara® AH Meter");
        var strip = Harness.find(page(), "tapLabels");
        compare([strip.chAInputColorCode, strip.chARefColorCode, strip.chBInputColorCode, strip.chBRefColorCode],
                ["B", "Y", "R", "G"]);
        verify(String(Harness.find(page(), "tubingDiagramIcon").source).match(/tubing_config_byrg\.svg$/));
    }

    function test_goBackFromTheDialogAndThePages() {
        walk(["TEST_TYPE_BUILDING_TIGHTNESS", "TEST_DIRECTION_PRESSURIZE", "GAUGE_LOCATION_OUTSIDE_BUILDING",
              "FLOWDEVICE_WHIRLEX_B_FAN"]);
        var dialog = confirmDialog();
        tryCompare(dialog, "showing", true);
        // "Go Back": the device page again, still holding the device picked.
        dialog.rejected();
        closeDialog();
        compare(page().title, "Select Test Device");
        compare(page().selectedKey, "FLOWDEVICE_WHIRLEX_B_FAN");
        verify(wizard.__decisionTree.currentPath.match(/\/GAUGE_LOCATION_OUTSIDE_BUILDING$/));
        verify(Harness.find(page(), "tile_FLOWDEVICE_TORNEL_4_FAN"));

        // Back from the device page clears its choice; back again clears the location's.
        var devicePage = page();
        page().backAction.trigger();
        compare(page().title, "Select Gauge Location");
        compare(devicePage.selectedKey, "");
        var locationPage = page();
        page().backAction.trigger();
        compare(locationPage.selectedKey, "");
        compare(page().title, "Select Test Direction");
        compare(wizard.__decisionTree.currentPath, "/TEST_TYPE_BUILDING_TIGHTNESS");

        walk(["TEST_DIRECTION_DEPRESSURIZE", "GAUGE_LOCATION_INSIDE_BUILDING", "FLOWDEVICE_TORNEL_4_FAN"]);
        tryCompare(confirmDialog(), "showing", true);
        compare(confirmDialog().text, "    - Building Tightness\n    - Depressurize\n    - Gauge Inside the Building\n"
                + "    - Tornel 4 220V Fan");
    }

    function test_resumeStartsOver() {
        walk(["TEST_TYPE_DUCT_TIGHTNESS", "TEST_DIRECTION_PRESSURIZE", "GAUGE_LOCATION_INSIDE_BUILDING",
              "FLOWDEVICE_NANOSEEP_METER"]);
        tryCompare(confirmDialog(), "showing", true);
        page().actions[0].trigger();
        compare(root.__currAppId, Harness.homeId);
        tryCompare(confirmDialog(), "showing", false);
        root.launchApp(Harness.lumvarId);
        compare(page().title, "Select Test Type");
        compare(tileKeys(page()).length, 4);
        compare(page().selectedKey, "");
        compare(wizard.__decisionTree.currentPath, "");
    }

    function test_scrollbarFlashesOnlyForMoreThanThreeTiles() {
        var scrollbar = Harness.find(page(), "scrollbar");
        wizard.setup();
        verify(scrollbar.showing, "four test types");
        walk(["TEST_TYPE_BUILDING_TIGHTNESS"]);
        verify(!Harness.find(page(), "scrollbar").showing, "two directions");
    }
}
