import QtQuick 2.4
import Material 0.2

// One key of the on-screen keyboard and keypad: a label or an icon, never both,
// with a ripple that reports the tap. A hidden key keeps its place but shows
// nothing and takes no taps.
Rectangle {
    id: btnRect

    signal clicked()

    property alias text: label.text
    property alias font: label.font
    property alias icon: icon
    property bool hidden: false

    Label {
        id: label

        anchors.centerIn: parent
        style: "display1"
        color: Theme.light.textColor
        visible: !btnRect.hidden && icon.name === ""
    }

    Icon {
        id: icon

        anchors.centerIn: parent
        name: ""
        size: Units.dp(16)
        color: Theme.light.textColor
        visible: !btnRect.hidden && name !== ""
    }

    Ink {
        id: ink

        anchors.fill: parent
        circular: true
        enabled: !btnRect.hidden
        onClicked: btnRect.clicked()
    }
}
