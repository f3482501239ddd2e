import QtQuick 2.4
import Material 0.2

// The status bar along the top of the device screen and, after a tap on it, the
// status centre: a white panel over the whole screen listing every item with a
// large icon and two lines of text. A tap anywhere on the panel collapses it.
// The bar shows the items' icons from the right, item 0 rightmost; items hidden
// from the bar take no room there.
Item {
    id: __statusCenter

    // The items, in order: item 0 is the rightmost bar icon and the lowest row
    // of the expanded centre.
    property list<VeltraStatusCenterItem> items
    // Source of the bar's colours (the window's theme).
    property AppTheme theme: null
    property int statusBarHeight: 0
    // Height of the expanded centre: the device screen's height.
    property int expandedHeight: 0
    property bool expanded: false
    // Whether the expanded panel has been made (at the first expansion; it is
    // kept from then on).
    property bool __panelMade: expanded

    property color __expandedBackgroundColor: "#ffffffff"
    property color __expandedForegroundColor: "#222222"
    property color __expandedSecondaryColor: "#777777"
    readonly property int __barIconSize: Units.dp(20)
    readonly property int __barIconSpacing: Units.dp(10)
    // Fallback bar colours while no theme is set.
    readonly property color __barBackgroundColor: theme ? theme.statusBarBackgroundColor : "transparent"
    readonly property color __barForegroundColor: theme ? theme.statusBarForegroundColor : "white"

    // Never lower than the bar, so that an expanded centre stays tappable even
    // before the window has given it a height.
    onExpandedChanged: {
        if (expanded)
            __panelMade = true;
    }
    height: expanded ? Math.max(expandedHeight, statusBarHeight) : statusBarHeight

    // Pictures named "*.color.*" keep their own colours; every other icon is
    // drawn in the colour asked for.
    function __isColorPicture(iconSource) {
        return iconSource.indexOf(".color.") >= 0;
    }

    Rectangle {
        id: statusBar

        objectName: "statusBar"
        anchors.top: parent.top
        anchors.left: parent.left
        anchors.right: parent.right
        height: __statusCenter.statusBarHeight
        color: __statusCenter.__barBackgroundColor

        ListView {
            id: statusBarIcons

            objectName: "statusBarIcons"
            anchors.right: parent.right
            anchors.rightMargin: Units.dp(16)
            width: parent.width - anchors.rightMargin
            height: parent.height
            orientation: ListView.Horizontal
            layoutDirection: Qt.RightToLeft
            spacing: __statusCenter.__barIconSpacing
            interactive: false
            model: __statusCenter.items

            // A hidden item's slot is as much narrower than nothing as the
            // spacing is wide, so that it leaves no gap.
            delegate: Icon {
                // "icon://group/name" and "group/name" draw the same icon;
                // the name form also takes the "unicode/" glyphs.
                name: modelData.iconName
                source: modelData.iconSource
                colorize: !__statusCenter.__isColorPicture(modelData.iconSource)
                color: modelData.useCustomIconColor ? modelData.customIconColor
                                                    : __statusCenter.__barForegroundColor
                size: __statusCenter.__barIconSize
                width: modelData.showInStatusBar
                       ? __statusCenter.__barIconSize + modelData.statusBarIconSpacingDelta
                       : -__statusCenter.__barIconSpacing
                y: (statusBarIcons.height - height) / 2
                visible: modelData.showInStatusBar
            }
        }
    }

    Rectangle {
        id: expandedStatusCenter

        objectName: "expandedStatusCenter"
        anchors.top: parent.top
        anchors.left: parent.left
        anchors.right: parent.right
        height: __statusCenter.expandedHeight
        color: __statusCenter.__expandedBackgroundColor
        visible: __statusCenter.expanded

        // The panel's content is made when the centre first expands: the
        // first screen never shows it, and its texts and icons would load
        // fonts of their own.
        Loader {
            id: panelContent

            anchors.fill: parent
            active: __statusCenter.__panelMade

            sourceComponent: Item {
                // Marks the panel as closable; the whole panel takes the tap.
                Icon {
                    id: closeMark

                    anchors.top: parent.top
                    anchors.topMargin: Units.dp(24)
                    anchors.right: parent.right
                    anchors.rightMargin: Units.dp(24)
                    name: "navigation/close"
                    size: Units.dp(40)
                    color: __statusCenter.__expandedSecondaryColor
                }

                ListView {
                    id: statusRows

                    objectName: "statusRows"
                    anchors.left: parent.left
                    anchors.leftMargin: Units.dp(96)
                    anchors.right: parent.right
                    anchors.verticalCenter: parent.verticalCenter
                    // Rows taller together than the list stay centred on the panel
                    // instead of running off its top edge.
                    anchors.verticalCenterOffset: Math.max(0, contentHeight - height) / 2
                    height: Units.dp(244)
                    spacing: Units.dp(24)
                    verticalLayoutDirection: ListView.BottomToTop
                    interactive: false
                    model: __statusCenter.items

                    delegate: Row {
                        id: statusRow

                        spacing: Units.dp(24)

                        Icon {
                            id: rowIcon

                            name: modelData.iconName
                            source: modelData.iconSource
                            colorize: !__statusCenter.__isColorPicture(modelData.iconSource)
                            color: __statusCenter.__expandedForegroundColor
                            size: Units.dp(48)
                        }

                        Column {
                            anchors.verticalCenter: rowIcon.verticalCenter
                            width: statusRows.width - rowIcon.width - statusRow.spacing - Units.dp(16)

                            // One line: a device's texts (the Wi-Fi name, the
                            // gauge's identity) may hold line breaks. Such a
                            // text is wrapped, then cut to the first line
                            // (unwrapped, it can keep the cut of an earlier
                            // width); any other is cut with an ellipsis.
                            Label {
                                width: parent.width
                                text: modelData.primaryText
                                color: __statusCenter.__expandedForegroundColor
                                style: "subheading"
                                horizontalAlignment: Text.AlignLeft
                                wrapMode: /[\n\r\u2028\u2029]/.test(text) ? Text.Wrap : Text.NoWrap
                                maximumLineCount: 1
                                elide: Text.ElideRight
                            }

                            Label {
                                width: parent.width
                                text: modelData.secondaryText
                                color: __statusCenter.__expandedSecondaryColor
                                style: "body1"
                                horizontalAlignment: Text.AlignLeft
                                wrapMode: Text.Wrap
                                maximumLineCount: 2
                                elide: Text.ElideRight
                                visible: text !== ""
                            }
                        }
                    }
                }
            }
        }
    }

    MouseArea {
        id: tapArea

        objectName: "statusCenterTapArea"
        anchors.top: parent.top
        anchors.left: parent.left
        anchors.right: parent.right
        height: __statusCenter.height
        onClicked: __statusCenter.expanded = !__statusCenter.expanded
    }
}
