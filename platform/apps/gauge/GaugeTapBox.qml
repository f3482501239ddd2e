import QtQuick 2.4
import Material 0.2

// One pressure tap: a small caption ("In", "Ref") over what its tube leads to.
// Both texts show in the case they are given. What the tube leads to is set
// smaller rather than cut, down to a size that still reads: it names a fan
// model or a tube colour.
Rectangle {
    id: tapBox

    property string caption: ""
    property string text: ""
    property color markColor: Theme.accentColor
    property color boxColor: Palette.colors.grey["100"]

    height: Units.dp(36)
    radius: Units.dp(2)
    color: boxColor

    Rectangle {
        id: mark

        width: Units.dp(3)
        height: parent.height
        radius: Units.dp(1)
        color: tapBox.markColor
    }

    Label {
        id: captionLabel

        x: Units.dp(9)
        y: Units.dp(3)
        style: "caption"
        font.pixelSize: Units.dp(10)
        color: Theme.light.subTextColor
        text: tapBox.caption
    }

    Label {
        objectName: "tapText"
        x: Units.dp(9)
        anchors.bottom: parent.bottom
        anchors.bottomMargin: Units.dp(3)
        width: parent.width - x - Units.dp(4)
        elide: Text.ElideRight
        fontSizeMode: Text.HorizontalFit
        minimumPixelSize: Units.dp(11)
        style: "body2"
        text: tapBox.text
    }
}
