import QtQuick 2.4
import Material 0.2

// A white card with a heading (icon and title) over a column of content;
// children go into the column. The card is as high as its content unless
// given a height; availableHeight is then what the column may fill.
Rectangle {
    id: settingsCard

    property string iconName: ""
    property string title: ""
    default property alias content: contentColumn.data
    readonly property real availableHeight: height - __headerHeight - __bottomPadding

    readonly property real __headerHeight: Units.dp(36)
    readonly property real __bottomPadding: Units.dp(8)

    height: __headerHeight + contentColumn.height + __bottomPadding
    radius: Units.dp(2)
    color: "white"

    // The card's lower edge: a hairline of shade below it.
    Rectangle {
        anchors.fill: parent
        anchors.topMargin: Units.dp(1)
        anchors.bottomMargin: -Units.dp(1)
        z: -1
        radius: parent.radius
        color: Theme.light.dividerColor
    }

    Row {
        id: header

        x: Units.dp(12)
        height: settingsCard.__headerHeight
        spacing: Units.dp(8)

        Icon {
            anchors.verticalCenter: parent.verticalCenter
            size: Units.dp(18)
            name: settingsCard.iconName
            color: Theme.accentColor
        }

        Label {
            anchors.verticalCenter: parent.verticalCenter
            style: "body2"
            color: Theme.accentColor
            text: settingsCard.title
        }
    }

    Column {
        id: contentColumn

        y: settingsCard.__headerHeight
        width: parent.width
    }
}
