import QtQuick 2.4
import QtTest 1.2
import Material 0.2
import "DialogHelpers.js" as Helpers
import "../../support/qml/Taps.js" as Taps

// The number dialog and its keypad at the device's screen size, in en-US: the
// bottom-left key, what the keys send, select-all on opening, the invalid
// state, re-opening, and screenshots.
Rectangle {
    id: deviceScreen

    // The device's screen, in the colour of an app's page behind the dialog;
    // the test case itself is never visible.
    width: 480
    height: 272
    color: Theme.backgroundColor

    TestCase {
        id: testCase

        property Item harness: null
        property Item dialog: null

        name: "NumberInputDialog"
        when: windowShown

        function init() {
            start(true, {});
        }

        function start(recording, properties) {
            harness = createTemporaryObject(harnessComponent, deviceScreen, { "recording": recording });
            dialog = harness.load("qrc:/NumberInputDialog.qml", properties);
            verify(dialog);
            acceptedSpy.clear();
            acceptedSpy.target = dialog;
        }

        // Writes the whole window (the dialog lies in its top item, above the
        // screen) into the working directory.
        function screenshot(file) {
            var top = deviceScreen.parent;
            waitForRendering(top);
            var saved = false;
            top.grabToImage(function(result) { saved = result.saveToFile(file); });
            tryVerify(function() { return saved; }, 5000 * timeoutFactor, file + " written");
        }

        function part(objectName) {
            var found = Helpers.find(dialog, objectName);
            verify(found, objectName);
            return found;
        }

        function openAndWait() {
            dialog.open();
            tryCompare(dialog, "opacity", 1);
        }

        function bottomLeft() {
            // The keys in reading order, hidden ones included.
            var keys = Helpers.findAll(part("numericKeypad"), Helpers.isKey);
            compare(keys.length, 12);
            return keys[9];
        }

        function test_keysSendKeyCodes() {
            openAndWait();
            var keypad = part("numericKeypad");
            compare(Helpers.labels(Helpers.visibleKeys(keypad)),
                    ["1", "2", "3", "4", "5", "6", "7", "8", "9", ".", "0", "[content/backspace]"]);
            mouseClick(Helpers.key(keypad, "5"));
            mouseClick(Helpers.key(keypad, "."));
            mouseClick(Helpers.iconKey(keypad, "content/backspace"));
            compare(harness.calls, ["emitKey:" + Qt.Key_5, "emitKey:" + Qt.Key_Period, "emitKey:" + Qt.Key_Backspace]);
        }

        function test_bottomLeftKey_data() {
            return [
                { tag: "decimal", decimal: true, negative: false, label: ".", key: Qt.Key_Period },
                { tag: "decimal wins over minus", decimal: true, negative: true, label: ".", key: Qt.Key_Period },
                { tag: "minus", decimal: false, negative: true, label: "-", key: Qt.Key_Minus },
                { tag: "neither", decimal: false, negative: false, label: "", key: 0 }
            ];
        }

        function test_bottomLeftKey(data) {
            dialog.allowDecimal = data.decimal;
            dialog.allowNegative = data.negative;
            openAndWait();
            var keypad = part("numericKeypad");
            var cell = bottomLeft();
            compare(cell.visible, true);
            compare(cell.hidden, data.label === "");
            verify(Helpers.key(keypad, "-") === null || data.label === "-");
            if (data.label !== "")
                compare(Helpers.key(keypad, data.label), cell);
            // The cell keeps its place beside the 0 key whether or not it is hidden.
            var zero = Helpers.key(keypad, "0");
            fuzzyCompare(cell.x + cell.width, zero.x, 1);
            fuzzyCompare(cell.width, keypad.width / 3, 1);
            fuzzyCompare(cell.height, keypad.height / 4, 1);
            mouseClick(cell);
            compare(harness.calls, data.key === 0 ? [] : ["emitKey:" + data.key]);
        }

        function test_selectAllOnOpen_data() {
            return [
                { tag: "selected", selectAll: true, expected: "7" },
                { tag: "not selected", selectAll: false, expected: "507" }
            ];
        }

        function test_selectAllOnOpen(data) {
            start(false, { "initialValue": "50", "selectAllOnOpen": data.selectAll });
            openAndWait();
            verify(part("textField").activeFocus);
            mouseClick(Helpers.key(part("numericKeypad"), "7"));
            compare(dialog.value, data.expected);
        }

        // An earlier opening leaves a selection or a cursor in the middle; the
        // next opening with the same initial value starts from the one it asks
        // for. Keys are tapped on the keypad.
        function test_openingPlacesTheCursor_data() {
            return [
                { tag: "selection left, no select-all", firstSelectAll: true, leave: "none",
                  selectAll: false, expected: "507" },
                { tag: "cursor left at the start", firstSelectAll: false, leave: "start",
                  selectAll: false, expected: "507" },
                { tag: "part selected, no select-all", firstSelectAll: false, leave: "part",
                  selectAll: false, expected: "507" },
                { tag: "cursor left at the start, select-all", firstSelectAll: false, leave: "start",
                  selectAll: true, expected: "7" },
                { tag: "first opening, no select-all", firstSelectAll: null, leave: "none",
                  selectAll: false, expected: "507" },
                { tag: "first opening, select-all", firstSelectAll: null, leave: "none",
                  selectAll: true, expected: "7" }
            ];
        }

        function test_openingPlacesTheCursor(data) {
            start(false, { "initialValue": "50" });
            var field = part("textField");
            if (data.firstSelectAll !== null) {
                dialog.selectAllOnOpen = data.firstSelectAll;
                openAndWait();
                if (data.leave === "start")
                    field.cursorPosition = 0;
                else if (data.leave === "part")
                    field.select(0, 1);
                Taps.tap(testCase, part("negativeButton"));
                tryCompare(dialog, "visible", false);
            }
            dialog.selectAllOnOpen = data.selectAll;
            openAndWait();
            compare(field.selectedText, data.selectAll ? "50" : "");
            if (!data.selectAll)
                compare(field.cursorPosition, 2);
            Taps.tap(testCase, Helpers.key(part("numericKeypad"), "7"));
            compare(dialog.value, data.expected);
        }

        // The labels beside the number keep the case they were given: units
        // are case-sensitive ("mPa" and "MPa" differ by a factor of 10^9).
        function test_labelsKeepTheirCase_data() {
            var rows = [];
            ["Pa", "mPa", "MPa", "s", "kPa", "in H2O"].forEach(function(unit) {
                rows.push({ "tag": "number dialog, " + unit, "url": "qrc:/NumberInputDialog.qml",
                            "properties": { "unitsLabel": unit, "inputLabel": "max 250 " + unit },
                            "right": unit, "left": "max 250 " + unit });
                rows.push({ "tag": "keyboard dialog, " + unit, "url": "qrc:/KeyboardInputDialog.qml",
                            "properties": { "hintLabel": "max 12 " + unit, "inputLabel": unit },
                            "right": "max 12 " + unit, "left": unit });
            });
            return rows;
        }

        function test_labelsKeepTheirCase(data) {
            dialog = harness.load(data.url, data.properties);
            verify(dialog);
            openAndWait();
            [["rightLabel", data.right], ["leftLabel", data.left]].forEach(function(expected) {
                var label = part(expected[0]);
                compare(label.text, expected[1], expected[0]);
                compare(label.font.capitalization, Font.MixedCase, expected[0] + " " + label.text);
            });
            if (data.url === "qrc:/NumberInputDialog.qml")
                screenshot("number_dialog_unit_" + data.right.replace(/ /g, "_") + ".png");
        }

        function test_invalidUntilAcceptable() {
            start(false, { "validator": percent, "inputLabel": "Fan speed", "unitsLabel": "%",
                           "initialValue": "500", "allowDecimal": false });
            dialog.errorColor = "#b71c1c";
            openAndWait();
            var topRect = part("topRect");
            compare(String(topRect.color), String(dialog.errorColor));
            compare(String(part("textFieldBackground").color), String(dialog.errorColor));
            compare(part("leftLabel").text, "Invalid");
            compare(part("rightLabel").text, "%");
            verify(!part("positiveButton").enabled);
            waitForRendering(part("numericKeypad"));
            screenshot("number_dialog_invalid.png");
            part("textField").cursorPosition = 3;
            mouseClick(Helpers.iconKey(part("numericKeypad"), "content/backspace"));
            compare(dialog.value, "50");
            compare(String(topRect.color), String(Theme.primaryDarkColor));
            compare(part("leftLabel").text, "Fan speed");
            verify(part("positiveButton").enabled);
            mouseClick(part("positiveButton"));
            compare(acceptedSpy.count, 1);
            compare(dialog.value, "50");
        }

        function test_reopenShowsInitialValue() {
            dialog.initialValue = "12";
            openAndWait();
            dialog.value = "99";
            mouseClick(part("negativeButton"));
            verify(!dialog.showing);
            compare(acceptedSpy.count, 0);
            openAndWait();
            compare(dialog.value, "12");
        }

        function test_layoutAndScreenshot() {
            dialog.inputLabel = "Flow";
            dialog.unitsLabel = "CFM";
            dialog.initialValue = "1250";
            openAndWait();
            compare(dialog.width, deviceScreen.width - Units.dp(256));
            compare(dialog.height, deviceScreen.height);
            var keypad = part("numericKeypad");
            compare(keypad.width, dialog.width);
            compare(keypad.height, dialog.height - (part("topRect").height + part("textField").height) - Units.dp(60));
            screenshot("number_dialog.png");
        }

        Component {
            id: harnessComponent

            DialogHarness {}
        }

        IntValidator {
            id: percent

            bottom: 0
            top: 100
        }

        SignalSpy {
            id: acceptedSpy

            signalName: "accepted"
        }
    }
}
