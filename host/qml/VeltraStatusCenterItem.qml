import QtQuick 2.4

// One entry of the status centre: its icon in the status bar and its row in the
// expanded centre. Data only; VeltraStatusCenter draws it.
QtObject {
    id: statusCenterItem

    // Material icon name ("action/bluetooth"), drawn as "icon://" + iconName
    // while iconSource is empty.
    property string iconName: ""
    // Full icon URL; wins over iconName.
    property string iconSource: ""
    property string primaryText: ""
    property string secondaryText: ""
    // Whether the icon shows in the collapsed bar; the expanded centre lists
    // every item.
    property bool showInStatusBar: true
    // Extra width of the item's slot in the bar, on top of the icon size.
    property int statusBarIconSpacingDelta: 0
    // Draws the bar icon in customIconColor instead of the bar's foreground.
    property bool useCustomIconColor: false
    property color customIconColor: "#000000"
}
