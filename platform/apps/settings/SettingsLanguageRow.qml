import QtQuick 2.4
import Material 0.2

// One language of the settings' language list: its name in its own language,
// a check mark when it is the chosen one, a divider below. A tap chooses it.
Item {
    id: languageRow

    signal chosen(string code)

    property string code: ""
    property string nativeName: ""
    property bool selected: false
    property bool showDivider: true

    readonly property real __padding: Units.dp(12)
    readonly property real __checkSize: Units.dp(18)

    width: parent ? parent.width : implicitWidth
    implicitWidth: nameLabel.implicitWidth + __checkSize + 3 * __padding
    height: Units.dp(28)

    Label {
        id: nameLabel

        objectName: "languageName"
        x: languageRow.__padding
        anchors.verticalCenter: parent.verticalCenter
        width: parent.width - languageRow.__checkSize - 3 * languageRow.__padding
        elide: Text.ElideRight
        style: languageRow.selected ? "body2" : "body1"
        color: languageRow.selected ? Theme.accentColor : Theme.light.textColor
        text: languageRow.nativeName
    }

    Icon {
        objectName: "checkMark"
        anchors.right: parent.right
        anchors.rightMargin: languageRow.__padding
        anchors.verticalCenter: parent.verticalCenter
        size: languageRow.__checkSize
        name: "navigation/check"
        color: Theme.accentColor
        visible: languageRow.selected
    }

    Rectangle {
        x: languageRow.__padding
        width: parent.width - 2 * languageRow.__padding
        height: 1
        anchors.bottom: parent.bottom
        visible: languageRow.showDivider
        color: Theme.light.dividerColor
    }

    MouseArea {
        objectName: "tapArea"
        anchors.fill: parent
        onClicked: languageRow.chosen(languageRow.code)
    }
}
