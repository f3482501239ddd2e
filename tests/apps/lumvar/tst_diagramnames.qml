import QtQuick 2.4
import QtTest 1.2

// From result string to tubing diagram: each of the thirty entries, shown on
// a tap-label strip, gives the four colour codes whose name picks the
// diagram. "alt" is the channel-B reference code the device asks for.
Item {
    id: page

    width: 480
    height: 272

    TestCase {
        id: testCase

        property QtObject tree: null
        property Item strip: null

        // Diagram codes (A input, A ref, B input, B ref) by entry number.
        readonly property var expectedCodes: [
            { "codes": ["0", "g", "r", "0"], "entries": [1, 2, 4] },
            { "codes": ["0", "g", "r", "b"], "entries": [3, 11] },
            { "codes": ["0", "g", "r", "alt"], "entries": [9, 10, 12] },
            { "codes": ["g", "0", "r", "0"], "entries": [13, 14, 16, 21] },
            { "codes": ["g", "0", "r", "b"], "entries": [7, 15, 18, 22, 30] },
            { "codes": ["g", "0", "r", "alt"], "entries": [5, 6, 8, 17] },
            { "codes": ["g", "y", "r", "0"], "entries": [23] },
            { "codes": ["g", "y", "r", "b"], "entries": [20, 24] },
            { "codes": ["g", "y", "r", "alt"], "entries": [19] },
            { "codes": ["b", "0", "r", "0"], "entries": [26] },
            { "codes": ["b", "0", "r", "g"], "entries": [25] },
            { "codes": ["b", "y", "r", "0"], "entries": [28] },
            { "codes": ["b", "y", "r", "g"], "entries": [27] },
            { "codes": ["0", "0", "r", "0"], "entries": [29] }
        ]

        name: "DiagramNames"
        when: windowShown

        function init() {
            tree = createTemporaryObject(Qt.createComponent("qrc:/DecisionTree.qml"), testCase);
            strip = createTemporaryObject(Qt.createComponent("qrc:/TapLabels.qml"), page);
            verify(tree && strip);
        }

        function diagramFor(result) {
            var fields = result.split(":");
            strip.chAInput = "TAP_LABEL_" + fields[0];
            strip.chARef = "TAP_LABEL_" + fields[1];
            strip.chBInput = "TAP_LABEL_" + fields[2];
            strip.chBRef = "TAP_LABEL_" + fields[3];
            return "tubing_config_" + (strip.chAInputColorCode + strip.chARefColorCode + strip.chBInputColorCode
                                       + strip.chBRefColorCode).toLowerCase() + ".svg";
        }

        function test_diagramOfEveryEntry_data() {
            var alternate = String(language.alternateChBRefColor()).toLowerCase();
            var rows = [];
            expectedCodes.forEach(function(group) {
                var codes = group.codes.map(function(code) {
                    return code === "alt" ? (alternate === "" ? "0" : alternate) : code;
                });
                group.entries.forEach(function(entry) {
                    rows.push({ "tag": "entry " + entry, "entry": entry,
                                "diagram": "tubing_config_" + codes.join("") + ".svg" });
                });
            });
            return rows;
        }
        function test_diagramOfEveryEntry(data) {
            var segments = tree.paths[data.entry - 1].substring(1).split("/");
            var result = segments.pop();
            segments.forEach(function(key) { tree.push(key); });
            compare(tree.getResult(), result);
            compare(diagramFor(tree.getResult()), data.diagram);
        }

        function test_everyEntryHasOneDiagram() {
            var covered = [];
            expectedCodes.forEach(function(group) { covered = covered.concat(group.entries); });
            covered.sort(function(a, b) { return a - b; });
            compare(covered.length, tree.paths.length);
            for (var i = 0; i < covered.length; ++i)
                compare(covered[i], i + 1);
        }
    }
}
