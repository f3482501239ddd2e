import QtQuick 2.4
import QtQuick.Controls.Styles 1.4 as Styles
import Material 0.2

// Material look for Qt Quick Controls' TextField: Roboto, no frame, a thin
// underline that turns into a thicker one in the field's colour (the accent
// colour by default) while the field has the focus. Works for any TextField;
// the Material TextField adds color, hasError and errorColor, which it follows.
Styles.TextFieldStyle {
    id: style

    readonly property color __focusColor: control.hasError === true ? control.errorColor
        : (control.color !== undefined ? control.color : Theme.accentColor)
    // The regular face, loaded before the field's text is laid out.
    readonly property bool __faceRequired: Theme.__requireFace(Font.Normal, false)

    font.family: Theme.fontFamily
    font.pixelSize: Units.dp(16)
    textColor: Theme.light.textColor
    placeholderTextColor: Theme.light.hintColor
    selectionColor: __focusColor
    selectedTextColor: Theme.dark.textColor
    padding.left: 0
    padding.right: 0
    padding.top: Units.dp(8)
    padding.bottom: Units.dp(8)

    background: Item {
        implicitWidth: Units.dp(200)
        implicitHeight: Units.dp(40)

        Rectangle {
            id: underline
            anchors.left: parent.left
            anchors.right: parent.right
            anchors.bottom: parent.bottom
            anchors.bottomMargin: Units.dp(4)
            height: control.activeFocus || control.hasError === true ? Units.dp(2) : Units.dp(1)
            color: control.activeFocus || control.hasError === true ? style.__focusColor : Theme.light.hintColor
        }
    }
}
