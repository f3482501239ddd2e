import QtQuick 2.4
import Material 0.2

// One unit of the converter: the pressure in it, its symbol, and a mark when it
// is the chosen one. Tapping it chooses it.
Item {
    id: unitRow

    signal tapped()

    property string symbol: ""
    property string value: ""
    property bool chosen: false

    height: Units.dp(30)

    Rectangle {
        anchors.fill: parent
        radius: Units.dp(2)
        color: unitRow.chosen ? Theme.accentColor : "transparent"
        opacity: 0.2
    }

    Label {
        objectName: "valueLabel"
        anchors.right: symbolLabel.left
        anchors.rightMargin: Units.dp(8)
        anchors.verticalCenter: parent.verticalCenter
        style: "title"
        text: unitRow.value
    }

    Label {
        id: symbolLabel

        objectName: "symbolLabel"
        x: parent.width / 2
        width: Units.dp(80)
        anchors.verticalCenter: parent.verticalCenter
        style: "subheading"
        text: unitRow.symbol
    }

    Icon {
        anchors.right: parent.right
        anchors.rightMargin: Units.dp(8)
        anchors.verticalCenter: parent.verticalCenter
        name: "action/done"
        visible: unitRow.chosen
        color: Theme.accentColor
    }

    Ink {
        anchors.fill: parent
        onClicked: unitRow.tapped()
    }
}
