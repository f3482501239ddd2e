import QtQuick 2.4
import QtTest 1.1
import Material 0.2
import Material.ListItems 0.1 as ListItem
import QtQuick.Controls.Styles.Material 0.1 as MaterialStyle

Item {
    id: root
    width: 300
    height: 200

    Component {
        id: labelComponent
        Label {}
    }

    Component {
        id: styledFieldComponent
        // Set up as the shell's input dialogs do.
        TextField {
            width: 200
            style: MaterialStyle.TextFieldStyle {
                font.family: "Roboto"
                font.pixelSize: Units.dp(52)
                textColor: Theme.dark.textColor
                background: Rectangle { color: Theme.primaryDarkColor }
            }
        }
    }

    Component {
        id: buttonComponent
        Button {}
    }

    Component {
        id: subheaderComponent
        ListItem.Subheader {}
    }

    Component {
        id: inkComponent
        Ink {
            width: 40
            height: 40
            circular: true
        }
    }

    TestCase {
        id: testCase
        name: "Controls"
        when: windowShown

        SignalSpy {
            id: clickedSpy
            signalName: "clicked"
        }

        function init() {
            Units.multiplier = 1;
            Units.pixelDensity = 160 / 25.4;
            clickedSpy.clear();
        }

        function test_labelStyles_data() {
            return [
                { tag: "display1", style: "display1", size: 34, weight: Font.Normal, caps: Font.MixedCase },
                { tag: "subheading", style: "subheading", size: 16, weight: Font.Normal, caps: Font.MixedCase },
                { tag: "body1", style: "body1", size: 14, weight: Font.Normal, caps: Font.MixedCase },
                { tag: "button", style: "button", size: 14, weight: Font.Medium, caps: Font.AllUppercase },
                { tag: "title", style: "title", size: 20, weight: Font.Medium, caps: Font.MixedCase },
                { tag: "unknown falls back to body1", style: "no-such-style", size: 14, weight: Font.Normal, caps: Font.MixedCase }
            ];
        }

        function test_labelStyles(data) {
            var label = createTemporaryObject(labelComponent, root, { "style": data.style, "text": "Abc" });
            verify(label);
            compare(label.font.family, "Roboto");
            compare(label.font.pixelSize, data.size);
            compare(label.font.weight, data.weight);
            compare(label.font.capitalization, data.caps);
            Units.multiplier = 2;
            compare(label.font.pixelSize, 2 * data.size, "follows the units");
        }

        function test_labelFontOverride() {
            var label = createTemporaryObject(labelComponent, root, { "style": "display1" });
            label.font.pixelSize = 12;
            label.style = "title";
            compare(label.font.pixelSize, 12, "an explicit size stays");
            compare(label.font.weight, Font.Medium);
        }

        // A button's text in capitals reads as the language spells it in
        // capitals: "ß" becomes "SS", never a lone "ß" among capitals.
        function test_buttonCapitals_data() {
            return [
                { tag: "sharp s", text: "Schließen", shown: "SCHLIESSEN" },
                { tag: "umlaut", text: "Zurück", shown: "ZURÜCK" },
                { tag: "accent", text: "Éteindre", shown: "ÉTEINDRE" },
                { tag: "no case", text: "取消", shown: "取消" }
            ];
        }
        function test_buttonCapitals(data) {
            var button = createTemporaryObject(buttonComponent, root, { "text": data.text });
            verify(button);
            var label = findChild(button, "buttonLabel");
            compare(label.text, data.shown);
            compare(button.text, data.text, "the button's own text stays as given");
        }

        function test_styledTextField() {
            var field = createTemporaryObject(styledFieldComponent, root, { "text": "50" });
            verify(field);
            field.forceActiveFocus();
            keyClick(Qt.Key_1);
            compare(field.text, "501");
            verify(field.implicitHeight >= 52, "the style's large font sizes the field");
        }

        function test_subheader() {
            var header = createTemporaryObject(subheaderComponent, root, { "text": "Date/Time" });
            verify(header);
            compare(header.height, 48);
            compare(header.width, root.width);
            compare(header.children[1].text, "Date/Time");
            compare(header.children[1].x, 16);
        }

        function test_inkClicks() {
            var ink = createTemporaryObject(inkComponent, root);
            clickedSpy.target = ink;
            mousePress(ink, 20, 20);
            verify(ink.pressed);
            mouseRelease(ink, 20, 20);
            compare(clickedSpy.count, 1);
            ink.enabled = false;
            mouseClick(ink, 20, 20);
            compare(clickedSpy.count, 1);
        }
    }
}
