import QtQuick 2.4
import QtTest 1.2

// The decision tree's labels with German as the language: translated from
// the DecisionTree context, product names kept.
TestCase {
    id: testCase

    property QtObject tree: null

    name: "DecisionTreeGerman"

    function init() {
        tree = createTemporaryObject(Qt.createComponent("qrc:/DecisionTree.qml"), testCase);
        verify(tree);
    }

    function test_germanLabels() {
        var labels = tree.getOptions().map(function(option) { return option.label; });
        compare(labels, ["Gebäudedichtheit", "Luftkanaldichtheit", "Volumenstrom Lüftungsgerät", "Andere Anwendungen"]);
        tree.push("TEST_TYPE_BUILDING_TIGHTNESS");
        compare(tree.getOptions().map(function(option) { return option.label; }), ["Unterdruck", "Überdruck"]);
        tree.push("TEST_DIRECTION_PRESSURIZE");
        compare(tree.getOptions().map(function(option) { return option.label; }),
                ["Im Gebäude", "Außerhalb des Gebäudes"]);
        tree.push("GAUGE_LOCATION_INSIDE_BUILDING");
        compare(tree.getOptions().map(function(option) { return option.label; }),
                ["Gebläse Tornel 3 110V", "Gebläse Whirlex® B", "Gebläse Tornel 4 220V", "Gebläse Tornel 3 220V"]);
    }

    function test_keysStayUntranslated() {
        var options = tree.getOptions();
        compare(options[0].key, "TEST_TYPE_BUILDING_TIGHTNESS");
        compare(tree.devices.FLOWDEVICE_PLENARA_AH_METER.label, "Messgerät Plenara® AH");
        compare(tree.devices.FLOWDEVICE_PLENARA_AH_METER.key, "FLOWDEVICE_PLENARA_AH_METER");
    }
}
