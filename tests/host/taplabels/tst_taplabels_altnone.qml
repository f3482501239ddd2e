import QtQuick 2.4
import QtTest 1.2
import "TapLabelsHelpers.js" as Helpers

// The strip on a device that names no alternate code for channel B's
// reference: the keys that take it show no tube there.
Item {
    id: page

    width: 480
    height: 272

    TestCase {
        id: testCase

        property Item strip: null

        name: "TapLabelsNoAlternate"
        when: windowShown

        function init() {
            compare(language.alternateChBRefColor(), "");
            strip = createTemporaryObject(Qt.createComponent("qrc:/TapLabels.qml"), page);
            verify(strip);
        }

        function test_alternateKeysFallBackToNoTube_data() {
            return [
                { "tag": "building", "key": "TAP_LABEL_BUILDING", "code": "0" },
                { "tag": "outside", "key": "TAP_LABEL_OUTSIDE", "code": "0" },
                { "tag": "round transition", "key": "TAP_LABEL_ROUND_TRANS", "code": "0" },
                { "tag": "fan reference", "key": "TAP_LABEL_FAN_REF", "code": "B" },
                { "tag": "plenara green", "key": "TAP_LABEL_PA_GREEN", "code": "G" }
            ];
        }
        function test_alternateKeysFallBackToNoTube(data) {
            strip.chBRef = data.key;
            compare(strip.chBRefColorCode, data.code);
            var box = Helpers.boxes(strip)[3];
            compare(Helpers.argb(box.inner.color) !== Helpers.argb(strip.backgroundColor), data.code !== "0",
                    "filled");
        }

        function test_otherTapsKeepTheirCodes() {
            Helpers.setKeys(strip, ["TAP_LABEL_BUILDING", "TAP_LABEL_BUILDING", "TAP_LABEL_BUILDING",
                                    "TAP_LABEL_BUILDING"]);
            compare(Helpers.codes(strip), ["G", "Y", "R", "0"]);
        }
    }
}
