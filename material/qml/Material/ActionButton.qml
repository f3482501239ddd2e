import QtQuick 2.4

// The floating action button: a round raised button with one icon, 56 dp across,
// or 40 dp with isMiniSize. With an action it shows the action's icon and
// triggers it when clicked.
Item {
    id: actionButton

    signal clicked()

    property Action action: null
    property string iconName: action ? action.iconName : ""
    property color backgroundColor: Theme.accentColor
    property color iconColor: Theme.lightDark(backgroundColor, Theme.light.iconColor, Theme.dark.iconColor)
    property bool isMiniSize: false
    readonly property alias pressed: ink.pressed

    readonly property real __restingElevation: 6
    readonly property real __pressedElevation: 12

    width: isMiniSize ? Units.dp(40) : Units.dp(56)
    height: width
    enabled: action ? action.enabled : true
    visible: action ? action.visible : true
    opacity: enabled ? 1 : 0.6

    Shadow {
        anchors.fill: circle
        radius: circle.radius
        elevation: ink.pressed ? actionButton.__pressedElevation : actionButton.__restingElevation
    }

    Rectangle {
        id: circle
        anchors.fill: parent
        radius: width / 2
        color: actionButton.backgroundColor
    }

    Ink {
        id: ink
        anchors.fill: parent
        circular: true
        color: Theme.lightDark(actionButton.backgroundColor, Theme.light.pressedColor, Theme.dark.pressedColor)
        onClicked: {
            actionButton.clicked();
            if (actionButton.action)
                actionButton.action.trigger(actionButton);
        }
    }

    Icon {
        anchors.centerIn: parent
        name: actionButton.iconName
        color: actionButton.iconColor
        size: Units.dp(24)
    }
}
