import QtQuick 2.4
import QtTest 1.2
import Material 0.2
import "DialogHelpers.js" as Helpers
import "../../support/qml/Taps.js" as Taps

// The shared text dialog at the device's screen size: show(settings) and its
// defaults, the invalid state, accepting, re-opening, typing through the real
// virtual keyboard, and screenshots of its layers.
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
        property var acceptedTexts: []

        name: "KeyboardInputDialog"
        when: windowShown

        function recordAccepted(text) {
            acceptedTexts = acceptedTexts.concat([text]);
        }

        function init() {
            acceptedTexts = [];
            start(true);
        }

        function start(recording) {
            harness = createTemporaryObject(harnessComponent, deviceScreen, { "recording": recording });
            dialog = harness.load("qrc:/KeyboardInputDialog.qml");
            verify(dialog);
            openedSpy.clear();
            openedSpy.target = dialog;
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

        function showAndWait(settings) {
            dialog.show(settings);
            compare(openedSpy.count, 1);
            openedSpy.clear();
            tryCompare(dialog, "opacity", 1);
        }

        function headerColor() {
            compare(String(part("topRect").color), String(part("textFieldBackground").color));
            return String(part("topRect").color);
        }

        function test_settingsNotCarriedOver_data() {
            return [
                { tag: "empty settings", settings: {}, value: "" },
                { tag: "only an initial value", settings: { "initialValue": "7" }, value: "7" },
                { tag: "falsy values", value: "", settings: { "initialValue": 0, "inputLabel": null,
                                                             "hintLabel": false, "positiveButtonText": "" } }
            ];
        }

        function test_settingsNotCarriedOver(data) {
            // A first use with every setting, then one with few or none.
            showAndWait({ "validator": digitsOnly, "inputLabel": "Name", "hintLabel": "max 8",
                          "initialValue": "12", "positiveButtonText": "Save", "indicateInvalid": false,
                          "onAccepted": recordAccepted });
            dialog.close();
            showAndWait(data.settings);
            compare(dialog.value, data.value);
            compare(dialog.validator, null);
            verify(dialog.indicateInvalid);
            compare(part("leftLabel").text, "");
            compare(part("rightLabel").text, "");
            compare(part("positiveButton").text, "OK");
            compare(part("negativeButton").text, "Cancel");
            verify(part("positiveButton").enabled);
            mouseClick(part("positiveButton"));
            compare(acceptedSpy.count, 1);
            compare(acceptedTexts, []);
            verify(!dialog.showing);
        }

        function test_badSettingsNeverThrow_data() {
            return [
                { tag: "nothing", settings: undefined },
                { tag: "null", settings: null },
                { tag: "text", settings: "settings" },
                { tag: "validator not a validator", settings: { "validator": "digits", "initialValue": "x" } },
                { tag: "callback not a function", settings: { "onAccepted": "save", "initialValue": "x" } }
            ];
        }

        function test_badSettingsNeverThrow(data) {
            showAndWait(data.settings);
            compare(dialog.validator, null);
            verify(part("positiveButton").enabled);
            mouseClick(part("positiveButton"));
            compare(acceptedSpy.count, 1);
        }

        function test_invalidInput_data() {
            return [
                { tag: "indicated", indicate: true },
                { tag: "not indicated", indicate: false }
            ];
        }

        function test_invalidInput(data) {
            dialog.errorColor = "#b71c1c";
            showAndWait({ "validator": digitsOnly, "indicateInvalid": data.indicate, "inputLabel": "PIN",
                          "initialValue": "12a", "onAccepted": recordAccepted });
            verify(!part("positiveButton").enabled);
            compare(headerColor(), String(data.indicate ? dialog.errorColor : Theme.primaryDarkColor));
            compare(part("leftLabel").text, data.indicate ? "Invalid" : "PIN");
            mouseClick(part("positiveButton"));
            compare(acceptedSpy.count, 0);
            verify(dialog.showing);
            // Acceptable again: primary colour, the label and the button are back.
            dialog.value = "12";
            verify(part("positiveButton").enabled);
            compare(headerColor(), String(Theme.primaryDarkColor));
            compare(part("leftLabel").text, "PIN");
            // Intermediate input (empty for this validator) is not acceptable.
            dialog.value = "";
            verify(!part("positiveButton").enabled);
        }

        function test_acceptPassesCurrentText() {
            showAndWait({ "initialValue": "abc", "onAccepted": recordAccepted });
            dialog.value = "abcd";
            mouseClick(part("positiveButton"));
            compare(acceptedTexts, ["abcd"]);
            verify(!dialog.showing);
        }

        function test_cancelAndTapOutside() {
            var rejected = 0;
            dialog.rejected.connect(function() { ++rejected; });
            showAndWait({ "onAccepted": recordAccepted });
            // The scrim beside the dialog takes the tap; the dialog stays.
            mouseClick(deviceScreen, 4, deviceScreen.height / 2);
            verify(dialog.showing);
            mouseClick(part("negativeButton"));
            compare(rejected, 1);
            compare(acceptedTexts, []);
            verify(!dialog.showing);
        }

        function test_reopenStartsAfresh() {
            showAndWait({ "initialValue": "first" });
            verify(part("textField").activeFocus);
            dialog.value = "edited";
            part("keyboard").mode = "MODE_SYM";
            dialog.close();
            compare(dialog.value, "edited");
            dialog.open();
            compare(dialog.value, "first");
            compare(part("keyboard").mode, "MODE_DEFAULT");
            verify(part("textField").activeFocus);
        }

        // A selection or cursor left in the field does not outlive closing:
        // the next opening puts the cursor after the initial text.
        function test_reopenPutsTheCursorAtTheEnd_data() {
            return [
                { tag: "all selected", select: [0, 2] },
                { tag: "part selected", select: [0, 1] },
                { tag: "cursor at the start", select: [0, 0] }
            ];
        }

        function test_reopenPutsTheCursorAtTheEnd(data) {
            start(false);
            showAndWait({ "initialValue": "ab" });
            part("textField").select(data.select[0], data.select[1]);
            Taps.tap(testCase, part("negativeButton"));
            tryCompare(dialog, "visible", false);
            showAndWait({ "initialValue": "ab" });
            compare(part("textField").selectedText, "");
            Taps.tap(testCase, Helpers.key(part("keyboard"), "c"));
            compare(dialog.value, "abc");
        }

        function test_typingWithTheRealKeyboard() {
            start(false);
            showAndWait({ "initialValue": "a", "onAccepted": recordAccepted });
            var keyboard = part("keyboard");
            // The cursor sits at the end of the initial text.
            part("textField").cursorPosition = dialog.value.length;
            mouseClick(Helpers.key(keyboard, "b"));
            mouseClick(Helpers.iconKey(keyboard, "editor/space_bar"));
            mouseClick(Helpers.iconKey(keyboard, "hardware/keyboard_capslock"));
            mouseClick(Helpers.key(keyboard, "Q"));
            mouseClick(Helpers.key(keyboard, "SYM"));
            mouseClick(Helpers.key(keyboard, "7"));
            mouseClick(Helpers.key(keyboard, "@"));
            compare(dialog.value, "ab Q7@");
            mouseClick(Helpers.iconKey(keyboard, "content/backspace"));
            compare(dialog.value, "ab Q7");
            mouseClick(part("positiveButton"));
            compare(acceptedTexts, ["ab Q7"]);
        }

        function test_layoutAndScreenshots() {
            showAndWait({ "inputLabel": "Name", "hintLabel": "max 12", "initialValue": "Kitchen" });
            compare(dialog.width, deviceScreen.width - Units.dp(64));
            compare(dialog.height, deviceScreen.height);
            var header = part("textField");
            var keyboard = part("keyboard");
            compare(keyboard.width, dialog.width);
            compare(keyboard.height, dialog.height - (part("topRect").height + header.height) - Units.dp(60));
            // The action buttons float below the keys, inside the dialog.
            var keysBottom = keyboard.mapToItem(dialog, 0, keyboard.height).y;
            verify(part("positiveButton").mapToItem(dialog, 0, 0).y >= keysBottom);
            var layers = ["MODE_DEFAULT", "MODE_CAPS", "MODE_SYM"];
            for (var i = 0; i < layers.length; ++i) {
                keyboard.mode = layers[i];
                screenshot("keyboard_dialog_" + layers[i].toLowerCase() + ".png");
            }
            keyboard.mode = "MODE_DEFAULT";
            dialog.validator = digitsOnly;
            screenshot("keyboard_dialog_invalid.png");
        }

        Component {
            id: harnessComponent

            DialogHarness {}
        }

        RegExpValidator {
            id: digitsOnly

            regExp: /[0-9]+/
        }

        SignalSpy {
            id: openedSpy

            signalName: "opened"
        }

        SignalSpy {
            id: acceptedSpy

            signalName: "accepted"
        }
    }
}
