import QtQuick 2.4
import Material 0.2

// One app on the launcher: a card with the app's icon (a picture, else a
// Material icon on a round plate), its title and, when set, its badge at the
// icon's top right corner. A tap raises clicked().
Item {
    id: homeTile

    signal clicked()

    property string appId: ""
    property string title: ""
    // A Material icon name ("action/settings"); used when there is no picture.
    property string iconName: ""
    // A picture file's URL; wins over iconName while it loads.
    property string iconSource: ""
    // Shown when neither the picture nor the icon name can be drawn.
    property string fallbackIconName: "navigation/apps"
    property string badgeText: ""
    property color plateColor: Theme.accentColor
    property color badgeColor: Theme.primaryColor
    readonly property bool showsPicture: iconSource !== "" && picture.status !== Image.Error
    readonly property bool showsBadge: badgeText !== ""

    readonly property real __inset: Units.dp(4)
    readonly property real __iconSize: Units.dp(48)
    readonly property real __glyphSize: Units.dp(28)
    readonly property real __badgeHeight: Units.dp(20)
    readonly property real __badgeBorder: Units.dp(2)
    readonly property real __badgePadding: Units.dp(6)
    // The badge is centred near the icon's right edge; this wide it still
    // ends inside the card on both sides.
    readonly property real __badgeMaxWidth: Math.max(__badgeHeight, card.width - __iconSize)
    readonly property color __cardColor: "white"
    // The badge's first line, with an ellipsis when more lines follow: the
    // pill holds one line. (A label wrapped and cut to one line kept the cut
    // of an earlier width in Qt 5.15 and showed an empty pill.)
    readonly property string __badgeLine: {
        var lines = badgeText.split(/\r\n|[\n\r\u2028\u2029]/);
        return lines.length > 1 ? lines[0] + "\u2026" : badgeText;
    }

    // A raised button is the card: its shadow deepens while pressed.
    Button {
        id: card

        objectName: "card"
        anchors.fill: parent
        anchors.margins: homeTile.__inset
        elevation: 1
        backgroundColor: homeTile.__cardColor
        onClicked: homeTile.clicked()

        Item {
            id: iconFrame

            objectName: "iconFrame"
            anchors.horizontalCenter: parent.horizontalCenter
            anchors.bottom: titleLabel.top
            anchors.bottomMargin: Units.dp(6)
            width: homeTile.__iconSize
            height: homeTile.__iconSize

            Image {
                id: picture

                objectName: "picture"
                anchors.fill: parent
                visible: homeTile.showsPicture
                source: homeTile.iconSource
                // Decoded off the GUI thread: the first screen does not wait
                // for the pictures.
                asynchronous: true
                sourceSize.width: width
                sourceSize.height: height
                fillMode: Image.PreserveAspectFit
                smooth: true
            }

            // Only what a tile shows is made: the plate when there is no
            // picture, the fallback icon when the name does not resolve, the
            // badge while it has a text. Each text made loads its font, shown
            // or not.
            Loader {
                id: plateLoader

                anchors.fill: parent
                active: !homeTile.showsPicture

                sourceComponent: Rectangle {
                    id: plate

                    radius: width / 2
                    color: homeTile.plateColor

                    Icon {
                        id: glyph

                        objectName: "glyph"
                        anchors.centerIn: parent
                        size: homeTile.__glyphSize
                        color: Theme.dark.iconColor
                        name: homeTile.iconName
                    }

                    // Drawn instead for a name that does not resolve (or none).
                    Loader {
                        anchors.centerIn: parent
                        active: !glyph.valid

                        sourceComponent: Icon {
                            objectName: "fallbackGlyph"
                            size: homeTile.__glyphSize
                            color: Theme.dark.iconColor
                            name: homeTile.fallbackIconName
                        }
                    }
                }
            }

            Loader {
                id: badgeLoader

                x: parent.width - width / 2 - Units.dp(4)
                y: -Units.dp(4)
                active: homeTile.showsBadge

                // One line, no wider than the card allows: a longer text
                // (or one of several lines) is cut short with an ellipsis.
                sourceComponent: Rectangle {
                    id: badge

                    objectName: "badge"
                    height: homeTile.__badgeHeight
                    width: Math.min(homeTile.__badgeMaxWidth,
                                    Math.max(height, Math.ceil(badgeMetrics.advanceWidth) + 2 * homeTile.__badgePadding))
                    radius: height / 2
                    clip: true
                    color: homeTile.badgeColor
                    border.color: homeTile.__cardColor
                    border.width: homeTile.__badgeBorder

                    Label {
                        id: badgeLabel

                        objectName: "badgeLabel"
                        anchors.centerIn: parent
                        width: parent.width - 2 * homeTile.__badgePadding
                        horizontalAlignment: Text.AlignHCenter
                        maximumLineCount: 1
                        elide: Text.ElideRight
                        style: "caption"
                        font.weight: Font.Medium
                        color: Theme.dark.textColor
                        text: homeTile.__badgeLine
                    }

                    // The text's width on one line, whatever the label's width.
                    TextMetrics {
                        id: badgeMetrics

                        font: badgeLabel.font
                        text: homeTile.__badgeLine
                    }
                }
            }
        }

        Label {
            id: titleLabel

            objectName: "titleLabel"
            anchors.bottom: parent.bottom
            anchors.bottomMargin: Units.dp(10)
            anchors.horizontalCenter: parent.horizontalCenter
            width: parent.width - Units.dp(12)
            horizontalAlignment: Text.AlignHCenter
            elide: Text.ElideRight
            maximumLineCount: 1
            style: "body2"
            text: homeTile.title
        }
    }
}
