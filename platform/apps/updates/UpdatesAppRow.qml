import QtQuick 2.4
import Material 0.2

// One installed app: its title on the left, its version on the right.
Item {
    id: updatesAppRow

    property string title: ""
    property string version: ""
    property bool showDivider: true

    readonly property real __padding: Units.dp(12)

    height: Units.dp(28)

    Label {
        objectName: "appTitle"
        x: updatesAppRow.__padding
        anchors.verticalCenter: parent.verticalCenter
        width: parent.width - versionLabel.width - 3 * updatesAppRow.__padding
        elide: Text.ElideRight
        style: "body1"
        text: updatesAppRow.title
    }

    Label {
        id: versionLabel

        objectName: "appVersion"
        anchors.right: parent.right
        anchors.rightMargin: updatesAppRow.__padding
        anchors.verticalCenter: parent.verticalCenter
        style: "body1"
        color: Theme.light.subTextColor
        text: updatesAppRow.version
    }

    Rectangle {
        x: updatesAppRow.__padding
        width: parent.width - 2 * updatesAppRow.__padding
        height: 1
        anchors.bottom: parent.bottom
        visible: updatesAppRow.showDivider
        color: Theme.light.dividerColor
    }
}
