import QtQuick 2.4
import Material 0.2

// One line of a settings card: a name on the left, its value on the right,
// a divider below.
Item {
    id: settingsRow

    property string label: ""
    property string value: ""
    property bool showDivider: true

    readonly property real __padding: Units.dp(12)

    width: parent ? parent.width : implicitWidth
    implicitWidth: nameLabel.implicitWidth + valueLabel.implicitWidth + 3 * __padding
    height: Units.dp(28)

    Label {
        id: nameLabel

        x: settingsRow.__padding
        anchors.verticalCenter: parent.verticalCenter
        width: parent.width - valueLabel.width - 3 * settingsRow.__padding
        elide: Text.ElideRight
        style: "body1"
        color: Theme.light.subTextColor
        text: settingsRow.label
    }

    Label {
        id: valueLabel

        objectName: "value"
        anchors.right: parent.right
        anchors.rightMargin: settingsRow.__padding
        anchors.verticalCenter: parent.verticalCenter
        style: "body2"
        text: settingsRow.value
    }

    Rectangle {
        x: settingsRow.__padding
        width: parent.width - 2 * settingsRow.__padding
        height: 1
        anchors.bottom: parent.bottom
        visible: settingsRow.showDivider
        color: Theme.light.dividerColor
    }
}
