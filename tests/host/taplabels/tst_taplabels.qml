import QtQuick 2.4
import QtTest 1.2
import Material 0.2
import "TapLabelsHelpers.js" as Helpers

// The tap-label strip on a device-wide page whose device asks for blue on
// channel B's reference where the regional tubing differs: the colour code of
// every key on every tap, the drawing in both styles, and the layout around
// the centre.
Rectangle {
    id: page

    width: 480
    height: 272
    color: "white"

    Component {
        id: holderComponent

        Item {}
    }

    TestCase {
        id: testCase

        property Item strip: null
        property Item doomed: null

        readonly property var tubeColors: ({
            "G": "#2f6c14", "R": "#c80000", "B": "#0348c9", "Y": "#888888"
        })

        name: "TapLabels"
        when: windowShown

        function init() {
            page.width = 480;
            strip = createTemporaryObject(Qt.createComponent("qrc:/TapLabels.qml"), page,
                                          { "backgroundColor": "white" });
            verify(strip);
        }

        function colorOf(code) {
            return code === "0" ? Helpers.argb(Theme.light.subTextColor) : Helpers.argb(tubeColors[code]);
        }

        function test_codesWithoutKeys() {
            compare(strip.chAInput, "TAP_LABEL_INPUT");
            compare(strip.chARef, "TAP_LABEL_REFERENCE_ABBREV");
            compare(strip.chBInput, "TAP_LABEL_INPUT");
            compare(strip.chBRef, "TAP_LABEL_REFERENCE_ABBREV");
            compare(Helpers.codes(strip), ["0", "0", "0", "0"]);
        }

        // Each key on each tap: A input, A reference, B input, B reference.
        function test_codeOfEveryKeyOnEveryTap_data() {
            var table = {
                "INPUT": ["0", "0", "0", "0"],
                "REFERENCE_ABBREV": ["0", "0", "R", "0"],
                "REFERENCE": ["0", "0", "R", "0"],
                "NONE": ["0", "0", "R", "0"],
                "BUILDING": ["G", "Y", "R", "B"],
                "DUCT": ["G", "0", "R", "0"],
                "DUCT_AH": ["B", "0", "R", "0"],
                "ENCLOSURE": ["G", "0", "R", "0"],
                "OUTSIDE": ["0", "G", "R", "B"],
                "T4_FAN": ["0", "0", "R", "0"],
                "T3_FAN": ["0", "0", "R", "0"],
                "T3_220_FAN": ["0", "0", "R", "0"],
                "WX_FAN": ["0", "0", "R", "0"],
                "NSM_RED": ["0", "0", "R", "0"],
                "FLOW_BOX": ["0", "0", "R", "0"],
                "FAN_REF": ["0", "0", "R", "B"],
                "ROUND_TRANS": ["0", "0", "R", "B"],
                "NSM_BLUE": ["0", "0", "R", "B"],
                "PA_RED": ["0", "0", "R", "R"],
                "PA_GREEN": ["0", "0", "R", "G"],
                "NOT_IN_ANY_TABLE": ["0", "0", "R", "0"]
            };
            return Object.keys(table).map(function(suffix) {
                return { "tag": suffix, "key": "TAP_LABEL_" + suffix, "codes": table[suffix] };
            });
        }
        function test_codeOfEveryKeyOnEveryTap(data) {
            Helpers.setKeys(strip, [data.key, data.key, data.key, data.key]);
            compare(Helpers.codes(strip), data.codes);
        }

        // Key names that objects carry of their own are ordinary unknown keys.
        function test_keysLikeObjectMembers() {
            Helpers.setKeys(strip, ["constructor", "toString", "hasOwnProperty", "DEFAULT"]);
            compare(Helpers.codes(strip), ["0", "0", "R", "0"]);
        }

        function test_codeFollowsTheKeyAtOnce() {
            strip.chBRef = "TAP_LABEL_NONE";
            compare(strip.chBRefColorCode, "0");
            var box = Helpers.boxes(strip)[3];
            strip.chBRef = "TAP_LABEL_FAN_REF";
            compare(strip.chBRefColorCode, "B");
            compare(Helpers.argb(box.inner.color), colorOf("B"));
            compare(Helpers.argb(box.rect.color), colorOf("B"));
        }

        // Both switches on: taps with a tube are solid boxes with light text;
        // taps without one show grey text between grey bars.
        function test_filledBoxes() {
            Helpers.setKeys(strip, ["TAP_LABEL_NONE", "TAP_LABEL_OUTSIDE", "TAP_LABEL_T3_FAN", "TAP_LABEL_NONE"]);
            compare(Helpers.codes(strip), ["0", "G", "R", "0"]);
            var codes = Helpers.codes(strip);
            Helpers.boxes(strip).forEach(function(box, index) {
                var code = codes[index];
                var filled = code !== "0";
                compare(Helpers.argb(box.rect.color), colorOf(code), box.name + " bars");
                compare(Helpers.argb(box.inner.color), filled ? colorOf(code) : Helpers.argb("white"),
                        box.name + " inside");
                compare(Helpers.argb(box.label.color),
                        filled ? Helpers.argb(Theme.dark.textColor) : colorOf(code), box.name + " text");
            });
        }

        // Bars on, fill off: bars and text in the tube's colour on the strip.
        function test_borderedBoxes() {
            strip.coloredBackground = false;
            Helpers.setKeys(strip, ["TAP_LABEL_BUILDING", "TAP_LABEL_BUILDING", "TAP_LABEL_BUILDING",
                                    "TAP_LABEL_BUILDING"]);
            compare(Helpers.codes(strip), ["G", "Y", "R", "B"]);
            var codes = Helpers.codes(strip);
            Helpers.boxes(strip).forEach(function(box, index) {
                var color = colorOf(codes[index]);
                compare(Helpers.argb(box.rect.color), color, box.name + " bars");
                compare(Helpers.argb(box.inner.color), Helpers.argb("white"), box.name + " inside");
                compare(Helpers.argb(box.label.color), color, box.name + " text");
            });
        }

        // Both off: only the texts, each in its tap's colour.
        function test_plainTexts() {
            strip.coloredBackground = false;
            strip.showBorders = false;
            strip.backgroundColor = "#c9d5e3";
            Helpers.setKeys(strip, ["TAP_LABEL_DUCT_AH", "TAP_LABEL_OUTSIDE", "TAP_LABEL_WX_FAN",
                                    "TAP_LABEL_PA_GREEN"]);
            var codes = Helpers.codes(strip);
            compare(codes, ["B", "G", "R", "G"]);
            Helpers.boxes(strip).forEach(function(box, index) {
                compare(Helpers.argb(box.rect.color), Helpers.argb("#c9d5e3"), box.name + " without bars");
                compare(Helpers.argb(box.inner.color), Helpers.argb("#c9d5e3"), box.name + " inside");
                compare(Helpers.argb(box.label.color), colorOf(codes[index]), box.name + " text");
            });
            compare(Helpers.argb(strip.color), Helpers.argb("#c9d5e3"));
        }

        function test_fillWithoutBars() {
            strip.showBorders = false;
            Helpers.setKeys(strip, ["TAP_LABEL_DUCT", "TAP_LABEL_NONE", "TAP_LABEL_NSM_RED", "TAP_LABEL_NSM_BLUE"]);
            var boxes = Helpers.boxes(strip);
            compare(Helpers.argb(boxes[0].rect.color), Helpers.argb("white"));
            compare(Helpers.argb(boxes[0].inner.color), colorOf("G"));
            compare(Helpers.argb(boxes[1].inner.color), Helpers.argb("white"));
            compare(Helpers.argb(boxes[1].label.color), colorOf("0"));
            compare(Helpers.argb(boxes[3].inner.color), colorOf("B"));
            strip.coloredBackgroundTextColor = "#ffff00";
            compare(Helpers.argb(boxes[3].label.color), Helpers.argb("#ffff00"));
            compare(Helpers.argb(boxes[1].label.color), colorOf("0"));
        }

        // A page torn down with its strip: the strip, its holder or the holder's
        // holder goes first. Any warning on the way fails the test.
        function test_destroyedWithItsPage_data() {
            return [
                { "tag": "holder", "destroy": "holder" },
                { "tag": "holder's holder", "destroy": "outer" },
                { "tag": "strip", "destroy": "strip" }
            ];
        }
        function test_destroyedWithItsPage(data) {
            var outer = holderComponent.createObject(page, { "width": page.width, "height": page.height });
            var holder = holderComponent.createObject(outer, { "width": page.width, "height": page.height });
            var held = Qt.createComponent("qrc:/TapLabels.qml").createObject(holder);
            verify(held);
            Helpers.setKeys(held, ["TAP_LABEL_BUILDING", "TAP_LABEL_OUTSIDE", "TAP_LABEL_T3_FAN",
                                   "TAP_LABEL_FAN_REF"]);
            waitForRendering(held);
            var gone = { "outer": outer, "holder": holder, "strip": held }[data.destroy];
            // An object property lets go of an object when it is destroyed.
            doomed = held;
            gone.destroy();
            tryVerify(function() { return doomed === null; }, 5000 * timeoutFactor, "the strip destroyed");
            if (data.destroy !== "outer")
                outer.destroy();
        }

        // The channels stand either side of the centre: 20 dp from it to the
        // inner boxes, 12 dp between the two boxes of a channel.
        function test_layout_data() {
            return [
                { "tag": "device width", "pageWidth": 480, "labelWidth": -1 },
                { "tag": "wide page", "pageWidth": 800, "labelWidth": -1 },
                { "tag": "narrow boxes", "pageWidth": 480, "labelWidth": 60 }
            ];
        }
        function test_layout(data) {
            page.width = data.pageWidth;
            if (data.labelWidth > 0)
                strip.labelWidth = Units.dp(data.labelWidth);
            var width = data.labelWidth > 0 ? Units.dp(data.labelWidth) : Units.dp(88);
            compare(strip.x, 0);
            compare(strip.width, data.pageWidth);
            compare(strip.height, Units.dp(16));
            var centre = data.pageWidth / 2;
            var boxes = Helpers.boxes(strip);
            boxes.forEach(function(box) {
                compare(box.rect.width, width, box.name + " width");
                compare(box.rect.height, Units.dp(16), box.name + " height");
                compare(box.rect.y, 0, box.name + " top");
                compare(box.inner.x, Units.dp(2), box.name + " left bar");
                compare(box.inner.width, width - 2 * Units.dp(2), box.name + " right bar");
                compare(box.inner.y, 0, box.name + " no bar at the top");
                compare(box.inner.height, box.rect.height, box.name + " no bar at the bottom");
            });
            compare(boxes[1].rect.x + width, centre - Units.dp(20), "A reference right edge");
            compare(boxes[0].rect.x + width, boxes[1].rect.x - Units.dp(12), "A input right edge");
            compare(boxes[2].rect.x, centre + Units.dp(20), "B input left edge");
            compare(boxes[3].rect.x, boxes[2].rect.x + width + Units.dp(12), "B reference left edge");
        }
    }
}
