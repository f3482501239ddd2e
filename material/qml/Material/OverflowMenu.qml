import QtQuick 2.4

// The action bar's menu of the actions that do not fit as buttons. It fills its
// parent (the window's overlay) while open; a tap outside the card closes it.
Item {
    id: menu

    property var actions: []
    // Top right corner of the card, in the menu's parent.
    property real cardRight: width
    property real cardTop: 0
    readonly property bool showing: __showing

    property bool __showing: false
    readonly property bool __fading: fade.running
    readonly property real __itemHeight: Units.dp(48)
    readonly property real __padding: Units.dp(8)
    readonly property real __minWidth: Units.dp(112)
    readonly property int __fadeDuration: 120

    anchors.fill: parent
    visible: __showing || fade.running
    z: 900

    function open() {
        __showing = true;
    }

    function close() {
        __showing = false;
    }

    MouseArea {
        anchors.fill: parent
        onClicked: menu.close()
    }

    Shadow {
        anchors.fill: card
        radius: card.radius
        elevation: 8
        opacity: card.opacity
    }

    Rectangle {
        id: card
        x: menu.cardRight - width
        y: menu.cardTop
        width: Math.max(menu.__minWidth, column.implicitWidth)
        height: column.height + 2 * menu.__padding
        radius: Units.dp(2)
        color: "white"
        opacity: menu.__showing ? 1 : 0

        Behavior on opacity { NumberAnimation { id: fade; duration: menu.__fadeDuration } }

        MouseArea {
            anchors.fill: parent
        }

        Column {
            id: column
            objectName: "overflowColumn"
            y: menu.__padding
            width: parent.width

            Repeater {
                model: menu.actions

                Item {
                    objectName: "overflowItem"
                    width: column.width
                    height: menu.__itemHeight
                    implicitWidth: row.implicitWidth + 2 * Units.dp(16)
                    enabled: modelData.enabled

                    Ink {
                        anchors.fill: parent
                        onClicked: {
                            menu.close();
                            modelData.trigger(parent);
                        }
                    }

                    Row {
                        id: row
                        x: Units.dp(16)
                        anchors.verticalCenter: parent.verticalCenter
                        spacing: Units.dp(16)

                        Icon {
                            anchors.verticalCenter: parent.verticalCenter
                            visible: modelData.iconName !== ""
                            name: modelData.iconName
                            size: Units.dp(20)
                        }

                        Label {
                            anchors.verticalCenter: parent.verticalCenter
                            style: "subheading"
                            color: parent.parent.enabled ? Theme.light.textColor : Theme.light.hintColor
                            text: modelData.name
                        }
                    }
                }
            }
        }
    }
}
