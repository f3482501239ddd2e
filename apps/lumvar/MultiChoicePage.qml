import QtQuick 2.4
import Material 0.2

// One question of the wizard: a horizontally scrolling row of square tiles,
// one per option. A tap picks the option.
Page {
    id: multiChoicePage

    signal selected(string selectedKey)
    signal show()

    property var options: []
    property string selectedKey: ""
    property string category: ""
    property DecisionTree decisionTree: null

    // More tiles than this flash the scroll bar when the page is shown.
    readonly property int __flashAbove: 3

    actions: [
        Action {
            objectName: "homeAction"
            iconName: "action/home"
            onTriggered: lumvar.goHome()
        }
    ]

    // New options start at the strip's beginning, not where the last ones were left.
    onOptionsChanged: resetScrollbar()
    onShow: {
        if (options.length > __flashAbove)
            scrollbar.flashScrollbar();
    }

    function reset() {
        selectedKey = "";
    }

    function resetScrollbar() {
        flickable.contentX = 0;
    }

    Flickable {
        id: flickable

        objectName: "flickable"
        anchors.fill: parent
        flickableDirection: Flickable.HorizontalFlick
        contentWidth: grid.width > width ? grid.width + 2 * grid.outsideMargin : width + 1
        contentHeight: height
        clip: true

        Grid {
            id: grid

            property real tileSize: Units.dp(170)
            property real tileSpacing: Units.dp(6)
            property real outsideMargin: Units.dp(24)

            objectName: "grid"
            anchors.centerIn: parent
            rows: 1
            flow: Grid.TopToBottom
            spacing: tileSpacing
            height: rows * tileSize + (rows - 1) * tileSpacing

            Repeater {
                model: multiChoicePage.options

                delegate: Button {
                    id: tile

                    objectName: "tile_" + modelData.key
                    width: grid.tileSize
                    height: grid.tileSize
                    elevation: 1
                    backgroundColor: Theme.accentColor
                    onClicked: {
                        multiChoicePage.selectedKey = modelData.key;
                        multiChoicePage.selected(modelData.key);
                    }

                    Icon {
                        objectName: "tileIcon"
                        anchors.top: parent.top
                        anchors.topMargin: Units.dp(8)
                        anchors.horizontalCenter: parent.horizontalCenter
                        size: tile.height - tileLabel.height - Units.dp(24)
                        source: modelData.iconSource
                        colorize: modelData.colorizeIcon
                        color: Theme.dark.textColor
                    }

                    Label {
                        id: tileLabel

                        objectName: "tileLabel"
                        anchors.bottom: parent.bottom
                        anchors.bottomMargin: Units.dp(16)
                        anchors.horizontalCenter: parent.horizontalCenter
                        width: tile.width - Units.dp(8)
                        // In the case given: device names hold voltages and
                        // brand names.
                        style: "body2"
                        color: Theme.dark.textColor
                        horizontalAlignment: Text.AlignHCenter
                        wrapMode: Text.WordWrap
                        lineHeight: 0.75
                        text: modelData.label
                    }
                }
            }
        }
    }

    Scrollbar {
        id: scrollbar

        objectName: "scrollbar"
        flickableItem: flickable
        orientation: Qt.Horizontal
        alwaysShow: false
    }
}
