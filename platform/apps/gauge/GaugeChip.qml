import QtQuick 2.4
import Material 0.2

// A small rounded tag: an icon, a caption and a value ("Mode  Flow @50 Pa").
Rectangle {
    id: gaugeChip

    property string iconName: ""
    property string caption: ""
    property string text: ""
    property color textColor: Theme.light.textColor

    readonly property real __padding: Units.dp(10)

    width: content.implicitWidth + 2 * __padding
    height: Units.dp(24)
    radius: height / 2
    color: "white"

    Row {
        id: content

        anchors.centerIn: parent
        spacing: Units.dp(6)

        Icon {
            anchors.verticalCenter: parent.verticalCenter
            size: Units.dp(16)
            name: gaugeChip.iconName
            color: Theme.accentColor
        }

        Label {
            anchors.verticalCenter: parent.verticalCenter
            style: "caption"
            color: Theme.light.subTextColor
            text: gaugeChip.caption
        }

        Label {
            objectName: "chipValue"
            anchors.verticalCenter: parent.verticalCenter
            style: "body2"
            color: gaugeChip.textColor
            text: gaugeChip.text
        }
    }
}
