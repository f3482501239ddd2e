import QtQuick 2.4
import QtTest 1.2
import Material 0.2
import "TapLabelsHelpers.js" as Helpers

// The strip's English texts, and pictures of it at the device's width in both
// styles (taplabels_filled.png and taplabels_plain.png, left in the run's
// working folder).
Rectangle {
    id: page

    width: 480
    height: 272
    color: "white"

    TestCase {
        id: testCase

        property Item strip: null

        name: "TapLabelsTexts"
        when: windowShown

        function init() {
            strip = createTemporaryObject(Qt.createComponent("qrc:/TapLabels.qml"), page);
            verify(strip);
        }

        function save(item, fileName) {
            var saved = false;
            item.grabToImage(function(result) { saved = result.saveToFile(fileName); });
            tryVerify(function() { return saved; }, 5000 * timeoutFactor, fileName);
        }

        function texts() {
            return Helpers.boxes(strip).map(function(box) { return box.label.text; });
        }

        function test_textsWithoutKeys() {
            compare(texts(), ["Input", "Ref", "Input", "Ref"]);
        }

        function test_textOfEveryKey_data() {
            var table = {
                "INPUT": "Input", "REFERENCE_ABBREV": "Ref", "REFERENCE": "Reference", "NONE": "None",
                "BUILDING": "Building", "DUCT": "Duct", "DUCT_AH": "Duct", "ENCLOSURE": "Enclosure",
                "OUTSIDE": "Outside", "T4_FAN": "T4 Fan", "T3_FAN": "T3 Fan", "T3_220_FAN": "T3 220 Fan",
                "WX_FAN": "WX Fan", "NSM_RED": "NSM Red", "FLOW_BOX": "Flow Box", "FAN_REF": "Fan Ref",
                "ROUND_TRANS": "Rnd Trans", "NSM_BLUE": "NSM Blue", "PA_RED": "PA Red", "PA_GREEN": "PA Green"
            };
            return Object.keys(table).map(function(suffix) {
                return { "tag": suffix, "key": "TAP_LABEL_" + suffix, "text": table[suffix] };
            });
        }
        function test_textOfEveryKey(data) {
            Helpers.setKeys(strip, [data.key, data.key, data.key, data.key]);
            compare(texts(), [data.text, data.text, data.text, data.text]);
        }

        function test_ductBehindAnAirHandler() {
            Helpers.setKeys(strip, ["TAP_LABEL_DUCT", "TAP_LABEL_NONE", "TAP_LABEL_INPUT", "TAP_LABEL_NONE"]);
            var duct = Helpers.boxes(strip)[0];
            compare(duct.label.text, "Duct");
            compare(strip.chAInputColorCode, "G");
            strip.chAInput = "TAP_LABEL_DUCT_AH";
            compare(duct.label.text, "Duct");
            compare(strip.chAInputColorCode, "B");
        }

        // The result page's pair: the header naming the taps above the
        // result strip of "NONE:OUTSIDE:T3_FAN:NONE".
        function test_pictures() {
            var header = createTemporaryObject(Qt.createComponent("qrc:/TapLabels.qml"), page, {
                "showBorders": false, "coloredBackground": false, "backgroundColor": "white",
                "chAInput": "TAP_LABEL_INPUT", "chARef": "TAP_LABEL_REFERENCE",
                "chBInput": "TAP_LABEL_INPUT", "chBRef": "TAP_LABEL_REFERENCE"
            });
            strip.backgroundColor = "white";
            Helpers.setKeys(strip, ["TAP_LABEL_NONE", "TAP_LABEL_OUTSIDE", "TAP_LABEL_T3_FAN", "TAP_LABEL_NONE"]);
            strip.y = Units.dp(24);
            compare(Helpers.boxes(header).map(function(box) { return box.label.text; }),
                    ["Input", "Reference", "Input", "Reference"]);
            compare(Helpers.codes(header), ["0", "0", "0", "0"]);
            compare(texts(), ["None", "Outside", "T3 Fan", "None"]);
            waitForRendering(page);
            save(header, "taplabels_plain.png");
            save(strip, "taplabels_filled.png");
        }
    }
}
