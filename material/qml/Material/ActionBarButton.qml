import QtQuick 2.4

// An icon button of the action bar for one action.
Item {
    id: barButton

    signal clicked()

    property Action action: null
    property string iconName: action ? action.iconName : ""
    property color color: Theme.dark.iconColor

    width: Units.dp(48)
    height: Units.dp(48)
    enabled: action ? action.enabled : true
    opacity: enabled ? 1 : 0.5

    Ink {
        id: ink
        anchors.fill: parent
        circular: true
        color: Theme.lightDark(barButton.color, Theme.dark.pressedColor, Theme.light.pressedColor)
        onClicked: {
            barButton.clicked();
            if (barButton.action)
                barButton.action.trigger(barButton);
        }
    }

    Icon {
        anchors.centerIn: parent
        name: barButton.iconName
        color: barButton.color
        size: Units.dp(24)
    }
}
