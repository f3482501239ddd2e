import QtQuick 2.4
import QtTest 1.2
import "TapLabelsHelpers.js" as Helpers

// The strip in Belgian English: the 110 V fan is named as such.
Item {
    id: page

    width: 480
    height: 272

    TestCase {
        id: testCase

        property Item strip: null

        name: "TapLabelsBelgianEnglish"
        when: windowShown

        function init() {
            strip = createTemporaryObject(Qt.createComponent("qrc:/TapLabels.qml"), page);
            verify(strip);
        }

        function test_fanTexts() {
            Helpers.setKeys(strip, ["TAP_LABEL_NONE", "TAP_LABEL_OUTSIDE", "TAP_LABEL_T3_FAN", "TAP_LABEL_T3_220_FAN"]);
            compare(Helpers.boxes(strip).map(function(box) { return box.label.text; }),
                    ["None", "Outside", "T3 110 Fan", "T3 220 Fan"]);
        }
    }
}
