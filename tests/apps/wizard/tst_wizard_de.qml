import QtQuick 2.4
import QtTest 1.2
import "../../platform/apps"
import "../../platform/apps/AppsHarness.js" as Harness

// The tubing wizard in German: titles, tile labels (in the case given),
// confirm text and strip.
ShellFixture {
    id: testCase

    name: "WizardGerman"

    function test_germanPages() {
        var root = startShell(Harness.lumvarId);
        var wizard = waitForApp(root, Harness.lumvarId);
        var page = root.pageStack.currentItem;
        compare(page.title, "Prüfart wählen");
        screenshot(root, "wizard_test_type_de.png");
        var tree = wizard.__decisionTree;
        var keys = ["TEST_TYPE_BUILDING_TIGHTNESS", "TEST_DIRECTION_DEPRESSURIZE", "GAUGE_LOCATION_INSIDE_BUILDING",
                    "FLOWDEVICE_TORNEL_3_FAN"];
        for (var i = 0; i < keys.length; ++i) {
            var current = root.pageStack.currentItem;
            // Tile labels keep their case: device names hold voltages
            // ("220V") and brand names.
            current.options.forEach(function(option) {
                var label = Harness.find(Harness.find(current, "tile_" + option.key), "tileLabel");
                compare(label.text, option.label);
                compare(label.font.capitalization, Font.MixedCase, option.label);
            });
            var tile = Harness.find(current, "tile_" + keys[i]);
            verify(tile, keys[i]);
            tile.clicked();
            tryVerify(function() { return root.pageStack.currentItem !== current; });
        }
        var dialog = wizard.__confirmDialog;
        tryCompare(dialog, "opacity", 1);
        compare(dialog.title, "Auswahl bestätigen");
        verify(dialog.text.indexOf(tree.testTypes.TEST_TYPE_BUILDING_TIGHTNESS.label) > 0);
        verify(tree.testTypes.TEST_TYPE_BUILDING_TIGHTNESS.label !== "Building Tightness");
        screenshot(root, "wizard_confirm_de.png");
        dialog.close();
        tryCompare(dialog, "visible", false);
        compare(root.pageStack.currentItem.title, "Schläuche anschließen und starten");
        screenshot(root, "wizard_result_de.png");
    }
}
