import QtQuick 2.4
import Material 0.2

// A list subheader: one line of small, medium-weight text above a group of list
// items, 48 dp high, text 16 dp from the left edge.
Item {
    id: subheader

    property string text: ""
    property color textColor: Theme.light.subTextColor
    property color backgroundColor: "transparent"
    property alias elide: label.elide

    width: parent ? parent.width : implicitWidth
    implicitWidth: label.implicitWidth + 2 * Units.dp(16)
    implicitHeight: Units.dp(48)
    height: implicitHeight

    Rectangle {
        anchors.fill: parent
        color: subheader.backgroundColor
    }

    Label {
        id: label
        anchors.verticalCenter: parent.verticalCenter
        x: Units.dp(16)
        width: parent.width - 2 * Units.dp(16)
        style: "body2"
        color: subheader.textColor
        text: subheader.text
    }
}
