import QtQuick 2.4
import QtTest 1.2
import Material 0.2
import "../../material"

// The pictures of the wizard's options, read from the shared icon directory
// as the tiles read them: every file the decision tree names loads and draws
// something, and the pictures the tiles tint are drawn in one colour only.
// The run leaves option_icons.png, a sheet of all tiles, in its working folder.
Rectangle {
    id: screen

    width: 820
    height: 540
    color: "white"

    PixelProbe {
        id: probe
    }

    TestCase {
        id: testCase

        property QtObject tree: null
        property var records: []

        readonly property int __pictureSize: 64

        name: "OptionIcons"
        when: windowShown

        function init() {
            tree = createTemporaryObject(Qt.createComponent("qrc:/DecisionTree.qml"), testCase);
            verify(tree);
            records = optionRecords(tree);
        }

        function optionRecords(decisionTree) {
            var all = [];
            [decisionTree.testTypes, decisionTree.testDirections, decisionTree.gaugeLocations,
             decisionTree.devices].forEach(function(map) {
                Object.keys(map).forEach(function(key) {
                    if (key !== "category")
                        all.push(map[key]);
                });
            });
            return all;
        }

        // Every record whose picture is a file of the icon directory (the
        // one other is a Material font icon).
        function test_picturesLoadAndDraw_data() {
            var decisionTree = Qt.createComponent("qrc:/DecisionTree.qml").createObject(testCase);
            var rows = optionRecords(decisionTree).filter(function(record) {
                return record.iconSource.indexOf(icondir) === 0;
            }).map(function(record) {
                return { "tag": record.key, "source": record.iconSource, "colorize": record.colorizeIcon };
            });
            decisionTree.destroy();
            return rows;
        }
        function test_picturesLoadAndDraw(data) {
            var picture = createTemporaryObject(pictureComponent, screen, { "source": data.source });
            tryCompare(picture, "status", Image.Ready);
            verify(picture.implicitWidth > 0 && picture.implicitHeight > 0);
            waitForRendering(picture);
            probe.grab(picture, "option_icon");
            tryVerify(function() { return probe.ready; }, 5000 * timeoutFactor);
            var samples = probe.width * probe.height;
            var drawn = probe.count(function(p) { return p.a > 24; });
            var coloured = probe.count(function(p) {
                return p.a > 128 && Math.max(p.r, p.g, p.b) - Math.min(p.r, p.g, p.b) > 12;
            });
            verify(drawn > samples / 8, data.tag + " draws on " + drawn + " of " + samples + " pixels");
            if (data.colorize)
                compare(coloured, 0, data.tag + " is drawn in one colour");
            else
                verify(coloured > samples / 10, data.tag + " is a colour picture (" + coloured + ")");
        }

        function test_contactSheet() {
            var sheet = createTemporaryObject(sheetComponent, screen, { "model": records });
            waitForRendering(sheet);
            var tiles = [];
            for (var i = 0; i < sheet.children.length; ++i) {
                if (sheet.children[i].objectName === "tile")
                    tiles.push(sheet.children[i]);
            }
            compare(tiles.length, 15);
            tiles.forEach(function(tile) {
                verify(tile.icon.valid, tile.label.text + " resolves its picture");
            });
            var saved = false;
            sheet.grabToImage(function(result) { saved = result.saveToFile("option_icons.png"); });
            tryVerify(function() { return saved; }, 5000 * timeoutFactor);
        }

        Component {
            id: pictureComponent

            Image {
                width: testCase.__pictureSize
                height: testCase.__pictureSize
                sourceSize.width: testCase.__pictureSize
                sourceSize.height: testCase.__pictureSize
            }
        }

        // The tiles as the question pages draw them: the wizard's accent
        // colour, the picture tinted white where its record says so, the label
        // underneath.
        Component {
            id: sheetComponent

            Grid {
                property alias model: repeater.model

                x: Units.dp(6)
                y: Units.dp(6)
                columns: 5
                spacing: Units.dp(6)

                Repeater {
                    id: repeater

                    Rectangle {
                        objectName: "tile"

                        property alias icon: tileIcon
                        property alias label: tileLabel

                        width: Units.dp(154)
                        height: Units.dp(170)
                        color: "#335c88"

                        Icon {
                            id: tileIcon

                            anchors.horizontalCenter: parent.horizontalCenter
                            anchors.top: parent.top
                            anchors.topMargin: Units.dp(8)
                            size: parent.height - tileLabel.height - Units.dp(24) - Units.dp(8)
                            source: modelData.iconSource
                            colorize: modelData.colorizeIcon
                            color: Theme.dark.textColor
                        }

                        Label {
                            id: tileLabel

                            anchors.horizontalCenter: parent.horizontalCenter
                            anchors.bottom: parent.bottom
                            anchors.bottomMargin: Units.dp(16)
                            width: parent.width - Units.dp(8)
                            style: "button"
                            text: modelData.label
                            color: Theme.dark.textColor
                            horizontalAlignment: Text.AlignHCenter
                            wrapMode: Text.WordWrap
                            lineHeight: 0.75
                        }
                    }
                }
            }
        }
    }
}
