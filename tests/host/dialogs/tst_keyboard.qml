import QtQuick 2.4
import QtTest 1.2
import Material 0.2
import "DialogHelpers.js" as Helpers

// The text keyboard on its own, against a recording virtual keyboard: what each
// key sends, the layer changes, icon keys and the key geometry.
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
        property Item keyboard: null

        name: "Keyboard"
        when: windowShown

        function init() {
            harness = createTemporaryObject(harnessComponent, deviceScreen);
            keyboard = harness.load("qrc:/Keyboard.qml");
            verify(keyboard);
        }

        function tap(label) {
            var k = Helpers.key(keyboard, label);
            verify(k, "a key labelled \"" + label + "\" is on show");
            mouseClick(k);
        }

        function tapIcon(iconName) {
            var k = Helpers.iconKey(keyboard, iconName);
            verify(k, "a key with icon " + iconName + " is on show");
            mouseClick(k);
        }

        function test_lowerCaseKeys() {
            compare(keyboard.mode, "MODE_DEFAULT");
            compare(Helpers.labels(Helpers.visibleKeys(keyboard)),
                    ["q", "w", "e", "r", "t", "y", "u", "i", "o", "p",
                     "a", "s", "d", "f", "g", "h", "j", "k", "l",
                     "[hardware/keyboard_capslock]", "z", "x", "c", "v", "b", "n", "m",
                     "[editor/space_bar]", "[content/backspace]"]);
            tap("a");
            tapIcon("editor/space_bar");
            tapIcon("content/backspace");
            compare(harness.calls, ["emitText:a", "emitText: ", "emitKey:" + Qt.Key_Backspace]);
            compare(keyboard.mode, "MODE_DEFAULT");
        }

        function test_iconKeysShowNoText() {
            var names = ["editor/space_bar", "content/backspace", "hardware/keyboard_capslock"];
            for (var i = 0; i < names.length; ++i) {
                var k = Helpers.iconKey(keyboard, names[i]);
                var shown = [];
                for (var c = 0; c < k.children.length; ++c) {
                    if (k.children[c].visible)
                        shown.push(k.children[c]);
                }
                // The icon's glyph and the ink are on show, the label is not.
                verify(shown.every(function(item) { return item.text === undefined; }), names[i]);
                verify(shown.some(function(item) { return item.glyph !== undefined && item.glyph !== ""; }), names[i]);
            }
        }

        function test_layersAreMadeWhenFirstShown() {
            var made = function() { return Helpers.findAll(keyboard, Helpers.isKey).length; };
            compare(made(), 29, "only the lower-case layer at first");
            keyboard.mode = "MODE_CAPS";
            compare(made(), 58);
            keyboard.mode = "MODE_DEFAULT";
            compare(made(), 58, "a layer once made is kept");
            keyboard.mode = "MODE_SYM";
            compare(made(), 88);
        }

        function test_capsLayerStaysWhileTyping() {
            var received = [];
            keyboard.keyClicked.connect(function(key) { received.push(key); });
            tapIcon("hardware/keyboard_capslock");
            compare(harness.calls, []);
            compare(received, [Qt.Key_CapsLock]);
            compare(keyboard.mode, "MODE_CAPS");
            verify(Helpers.key(keyboard, "q") === null);
            tap("Q");
            tap("M");
            compare(harness.calls, ["emitText:Q", "emitText:M"]);
            compare(keyboard.mode, "MODE_CAPS");
        }

        function test_symbolLayerAndBack() {
            tapIcon("hardware/keyboard_capslock");
            tap("SYM");
            compare(keyboard.mode, "MODE_SYM");
            // No space and no caps key in the symbol layer.
            verify(Helpers.iconKey(keyboard, "editor/space_bar") === null);
            verify(Helpers.iconKey(keyboard, "hardware/keyboard_capslock") === null);
            tap("abc");
            compare(keyboard.mode, "MODE_DEFAULT");
            compare(harness.calls, []);
        }

        function test_symbolKeysAreKeyCodes_data() {
            return [
                { tag: "1", label: "1", key: Qt.Key_1 },
                { tag: "0", label: "0", key: Qt.Key_0 },
                { tag: "at", label: "@", key: Qt.Key_At },
                { tag: "quote", label: "\"", key: Qt.Key_QuoteDbl },
                { tag: "minus", label: "-", key: Qt.Key_Minus },
                { tag: "period", label: ".", key: Qt.Key_Period }
            ];
        }

        function test_symbolKeysAreKeyCodes(data) {
            keyboard.mode = "MODE_SYM";
            tap(data.label);
            compare(harness.calls, ["emitKey:" + data.key]);
            compare(keyboard.mode, "MODE_SYM");
        }

        function test_notAKeySendsNothing() {
            keyboard.keyClicked(undefined);
            keyboard.keyClicked(null);
            compare(harness.calls, []);
            compare(keyboard.mode, "MODE_DEFAULT");
        }

        function test_resetMode() {
            keyboard.mode = "MODE_SYM";
            keyboard.resetMode();
            compare(keyboard.mode, "MODE_DEFAULT");
            verify(Helpers.key(keyboard, "q"));
        }

        function test_geometry() {
            var q = Helpers.key(keyboard, "q");
            var p = Helpers.key(keyboard, "p");
            var a = Helpers.key(keyboard, "a");
            var l = Helpers.key(keyboard, "l");
            var backspace = Helpers.iconKey(keyboard, "content/backspace");
            // Rows of equal height that fill the keyboard; keys that fill their row.
            fuzzyCompare(q.height * 3, keyboard.height, 1);
            fuzzyCompare(p.mapToItem(keyboard, p.width, 0).x, keyboard.width, 1);
            fuzzyCompare(l.mapToItem(keyboard, l.width, 0).x, keyboard.width, 1);
            fuzzyCompare(backspace.mapToItem(keyboard, 0, backspace.height).y, keyboard.height, 1);
            // Nine keys share a row as wide as ten.
            fuzzyCompare(a.width, keyboard.width / 9, 1);
            fuzzyCompare(q.width, keyboard.width / 10, 1);
            // Longer labels get smaller type, never below 10 pixels.
            keyboard.mode = "MODE_CAPS";
            var sym = Helpers.key(keyboard, "SYM");
            verify(sym.font.pixelSize < Helpers.key(keyboard, "Q").font.pixelSize);
            verify(sym.font.pixelSize >= 10);
        }

        Component {
            id: harnessComponent

            DialogHarness {}
        }
    }
}
