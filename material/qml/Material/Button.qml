import QtQuick 2.4

// A Material button: flat (elevation 0, text in the accent colour) or raised
// (elevation > 0, on backgroundColor with a shadow). Children declared in a
// button are drawn over its background, so a button can also be a tile with
// its own picture and text.
FocusScope {
    id: button

    signal clicked()

    property string text: action ? action.name : ""
    property real elevation: 0
    property color backgroundColor: elevation > 0 ? "white" : "transparent"
    property color textColor: elevation > 0
        ? Theme.lightDark(backgroundColor, Theme.light.textColor, Theme.dark.textColor)
        : Theme.accentColor
    property real radius: Units.dp(2)
    property Action action: null
    readonly property alias pressed: ink.pressed
    readonly property alias __ink: ink

    readonly property bool __raised: elevation > 0
    readonly property color __disabledBackground: Theme.light.dividerColor

    implicitWidth: Math.max(Units.dp(64), (label.item ? label.item.implicitWidth : 0) + 2 * Units.dp(16))
    implicitHeight: Units.dp(36)
    enabled: action ? action.enabled : true
    activeFocusOnTab: true
    Keys.onReturnPressed: __activate()
    Keys.onSpacePressed: __activate()

    function __activate() {
        if (!enabled)
            return;
        clicked();
        if (action)
            action.trigger(button);
    }

    Shadow {
        anchors.fill: background
        radius: background.radius
        elevation: button.__raised && button.enabled ? button.elevation * (ink.pressed ? 2 : 1) : 0
    }

    Rectangle {
        id: background
        anchors.fill: parent
        radius: button.radius
        color: button.enabled || !button.__raised ? button.backgroundColor : button.__disabledBackground
    }

    Ink {
        id: ink
        anchors.fill: parent
        enabled: button.enabled
        color: Theme.lightDark(button.backgroundColor, Theme.light.pressedColor, Theme.dark.pressedColor)
        onClicked: button.__activate()
    }

    // The button style sets its text in capitals. The text is put into
    // capitals here, by the full case mapping, so that "ß" becomes "SS"
    // ("SCHLIESSEN"); the font's capitals style maps letter by letter and
    // would show "SCHLIEßEN". Made only for a text: a button that is a tile
    // draws its own, and a text item loads its font even when empty.
    Loader {
        id: label
        anchors.centerIn: parent
        active: button.text !== ""

        sourceComponent: Label {
            objectName: "buttonLabel"
            style: "button"
            text: button.text.toLocaleUpperCase()
            color: button.enabled ? button.textColor : Theme.light.hintColor
        }
    }
}
