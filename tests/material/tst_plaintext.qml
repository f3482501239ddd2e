import QtQuick 2.4
import QtTest 1.2
import Material 0.2
import Material.ListItems 0.1 as ListItem
import "../support/qml"
import "../support/qml/HostileTexts.js" as Hostile

// Texts that would be markup show as the characters they hold in every text
// of the library that may carry outside data; no picture they name is drawn
// or fetched.
TestCase {
    id: testCase

    name: "PlainText"
    when: windowShown

    // Page title in the action bar, dialog title and text, snackbar, label,
    // button, subheader and a text field's placeholder, all showing `shown`.
    Component {
        id: sceneComponent

        ApplicationWindow {
            id: scene

            property string shown: ""
            readonly property alias dialog: dialog
            readonly property alias snackbar: snackbar

            width: 480
            height: 272
            visible: true
            initialPage: Page {
                title: scene.shown

                Column {
                    Label { text: scene.shown }
                    Button { width: 100; height: 36; text: scene.shown }
                    ListItem.Subheader { text: scene.shown }
                    TextField { placeholderText: scene.shown }
                }
            }

            Dialog {
                id: dialog

                title: scene.shown
                text: scene.shown
            }

            Snackbar {
                id: snackbar

                anchors.bottom: parent.bottom
                text: scene.shown
            }
        }
    }

    Component {
        id: pictureRowComponent

        Rectangle {
            property alias text: label.text
            property alias source: control.source
            readonly property alias status: control.status

            width: 200
            height: 40
            color: "white"

            Row {
                Image { id: control; cache: false }
                Label { id: label }
            }
        }
    }

    PlainTextCheck {
        id: plain
    }

    PixelProbe {
        id: pixels
    }

    function init() {
        Units.multiplier = 1;
        Units.pixelDensity = 160 / 25.4;
        httpProbe.clear();
    }

    function isMarker(p) {
        return p.r > 200 && p.g < 60 && p.b > 200;
    }

    function test_shownAsTheCharacters_data() {
        return Hostile.rows(testMarkerPicture);
    }

    function test_shownAsTheCharacters(data) {
        var scene = createTemporaryObject(sceneComponent, testCase, { "shown": data.text });
        verify(scene);
        scene.dialog.open();
        scene.snackbar.opened = true;
        var shown = Hostile.textItems(scene.contentItem, data.text);
        compare(shown.length, 7, "texts showing it");
        for (var i = 0; i < shown.length; ++i)
            compare(plain.problem(shown[i], data.text), "", String(shown[i]));
        // The button sets it in capitals, still as its characters.
        var capitals = data.text.toLocaleUpperCase();
        var button = Hostile.textItems(scene.contentItem, capitals);
        compare(button.length, 1, "the button showing it in capitals");
        compare(plain.problem(button[0], capitals), "", String(button[0]));
    }

    // The marker picture is drawn by the control Image only, never by the
    // label that names it, and the label asks the web server for nothing.
    function test_namedPicturesAreNeitherDrawnNorFetched_data() {
        return [
            { tag: "local", text: "<img src=\"" + testMarkerPicture + "\">" },
            { tag: "remote", text: "<img src=\"http://127.0.0.1:" + httpProbe.port + "/label.png\">" }
        ];
    }

    function test_namedPicturesAreNeitherDrawnNorFetched(data) {
        var row = createTemporaryObject(pictureRowComponent, testCase, { "text": data.text });
        waitForRendering(row);
        // Asked for after the label's text was laid out, through the same loader.
        var control = "/control-" + data.tag + ".png";
        row.source = "http://127.0.0.1:" + httpProbe.port + control;
        tryCompare(row, "status", Image.Ready);
        compare(httpProbe.paths, [control]);
        pixels.grab(row, "plaintext-" + data.tag);
        tryVerify(function() { return pixels.ready; }, 5000 * timeoutFactor);
        compare(pixels.count(isMarker), 24 * 24, "magenta pixels: the control picture's only");
    }
}
