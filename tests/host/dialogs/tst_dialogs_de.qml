import QtQuick 2.4
import QtTest 1.2
import Material 0.2
import "DialogHelpers.js" as Helpers

// The dialogs with German as the language and default locale: translated texts
// and the comma as the keypad's decimal key.
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

        name: "DialogsGerman"
        when: windowShown

        function init() {
            harness = createTemporaryObject(harnessComponent, deviceScreen, { "recording": true });
        }

        function openAndWait(dialog) {
            dialog.open();
            tryCompare(dialog, "opacity", 1);
        }

        function test_commaIsTheDecimalKey() {
            compare(Qt.locale().decimalPoint, ",");
            var dialog = harness.load("qrc:/NumberInputDialog.qml");
            openAndWait(dialog);
            var keypad = Helpers.find(dialog, "numericKeypad");
            var comma = Helpers.key(keypad, ",");
            verify(comma);
            verify(Helpers.key(keypad, ".") === null);
            mouseClick(comma);
            compare(harness.calls, ["emitKey:" + Qt.Key_Comma]);
        }

        function test_typingADecimalNumber() {
            harness.recording = false;
            var dialog = harness.load("qrc:/NumberInputDialog.qml", { "validator": decimalNumber });
            openAndWait(dialog);
            var keypad = Helpers.find(dialog, "numericKeypad");
            mouseClick(Helpers.key(keypad, "1"));
            mouseClick(Helpers.key(keypad, ","));
            mouseClick(Helpers.key(keypad, "5"));
            compare(dialog.value, "1,5");
            verify(Helpers.find(dialog, "positiveButton").enabled);
        }

        function test_germanTexts() {
            var dialog = harness.load("qrc:/KeyboardInputDialog.qml");
            dialog.show({ "validator": digitsOnly, "initialValue": "x", "positiveButtonText": "Speichern" });
            tryCompare(dialog, "opacity", 1);
            compare(Helpers.find(dialog, "negativeButton").text, "Abbrechen");
            compare(Helpers.find(dialog, "positiveButton").text, "Speichern");
            compare(Helpers.find(dialog, "leftLabel").text, "Ungültig");
            dialog.close();
            dialog.show({});
            compare(Helpers.find(dialog, "positiveButton").text, "OK");

            var numbers = harness.load("qrc:/NumberInputDialog.qml", { "validator": digitsOnly, "initialValue": "x" });
            openAndWait(numbers);
            compare(Helpers.find(numbers, "leftLabel").text, "Ungültig");
            compare(Helpers.find(numbers, "negativeButton").text, "Abbrechen");
        }

        Component {
            id: harnessComponent

            DialogHarness {}
        }

        DoubleValidator {
            id: decimalNumber

            bottom: 0
            top: 1000
            decimals: 2
            notation: DoubleValidator.StandardNotation
        }

        RegExpValidator {
            id: digitsOnly

            regExp: /[0-9]+/
        }
    }
}
