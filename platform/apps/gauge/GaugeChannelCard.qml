import QtQuick 2.4
import Material 0.2

// One measuring channel: its letter and name, the live reading with its unit,
// and what the tubes on its input and reference taps lead to.
Rectangle {
    id: channelCard

    property string channel: ""
    property string title: ""
    property string reading: ""
    property string unit: ""
    property string inputCaption: ""
    property string referenceCaption: ""
    property string inputLabel: ""
    property string referenceLabel: ""
    property color channelColor: Theme.accentColor

    readonly property real __padding: Units.dp(10)

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

        x: channelCard.__padding
        y: channelCard.__padding
        spacing: Units.dp(8)

        Rectangle {
            width: Units.dp(22)
            height: width
            radius: width / 2
            color: channelCard.channelColor

            Label {
                anchors.centerIn: parent
                style: "body2"
                color: Theme.dark.textColor
                text: channelCard.channel
            }
        }

        Label {
            anchors.verticalCenter: parent.verticalCenter
            style: "body2"
            color: Theme.light.subTextColor
            text: channelCard.title
        }
    }

    Row {
        id: readingRow

        anchors.horizontalCenter: parent.horizontalCenter
        anchors.top: header.bottom
        anchors.topMargin: Units.dp(2)
        spacing: Units.dp(6)

        Label {
            id: readingLabel

            objectName: "reading"
            style: "display1"
            font.weight: Font.Medium
            text: channelCard.reading
        }

        Label {
            objectName: "unit"
            anchors.baseline: readingLabel.baseline
            style: "subheading"
            color: Theme.light.subTextColor
            text: channelCard.unit
        }
    }

    Row {
        id: tapRow

        x: channelCard.__padding
        anchors.bottom: parent.bottom
        anchors.bottomMargin: channelCard.__padding
        width: parent.width - 2 * channelCard.__padding
        spacing: Units.dp(6)

        GaugeTapBox {
            objectName: "inputTap"
            width: (tapRow.width - tapRow.spacing) / 2
            caption: channelCard.inputCaption
            text: channelCard.inputLabel
        }

        GaugeTapBox {
            objectName: "referenceTap"
            width: (tapRow.width - tapRow.spacing) / 2
            caption: channelCard.referenceCaption
            text: channelCard.referenceLabel
        }
    }
}
