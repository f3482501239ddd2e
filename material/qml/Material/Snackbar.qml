import QtQuick 2.4

// A short message at the bottom of its parent: anchor the snackbar's bottom
// where messages should appear. Setting opened shows and hides it; open(text)
// also closes it again after `duration` milliseconds (0: stays open).
// fullWidth spans the parent's width; otherwise the message is a centred
// card between the Material minimum and maximum widths.
Item {
    id: snackbar

    property string text: ""
    property bool opened: false
    property bool fullWidth: false
    property int duration: 2000
    property alias font: message.font

    readonly property bool __sliding: slideAnimation.running
    readonly property real __margin: fullWidth ? 0 : Units.dp(8)
    readonly property real __minWidth: Units.dp(288)
    readonly property real __maxWidth: Units.dp(568)
    readonly property real __padding: Units.dp(24)
    readonly property int __slideDuration: 200

    anchors.left: parent ? parent.left : undefined
    anchors.right: parent ? parent.right : undefined
    height: card.height + __margin
    clip: true
    visible: opened || slideAnimation.running

    function open(newText) {
        if (newText !== undefined)
            text = newText;
        opened = true;
        if (duration > 0)
            closeTimer.restart();
    }

    function close() {
        closeTimer.stop();
        opened = false;
    }

    Timer {
        id: closeTimer
        interval: snackbar.duration
        onTriggered: snackbar.opened = false
    }

    Shadow {
        anchors.fill: card
        radius: card.radius
        elevation: snackbar.fullWidth ? 0 : 6
        opacity: card.opacity
    }

    Rectangle {
        id: card
        anchors.horizontalCenter: parent.horizontalCenter
        width: snackbar.fullWidth
            ? parent.width
            : Math.max(snackbar.__minWidth,
                       Math.min(snackbar.__maxWidth, parent.width - 2 * snackbar.__margin,
                                message.implicitWidth + 2 * snackbar.__padding))
        height: Math.max(Units.dp(48), message.height + 2 * Units.dp(14))
        y: snackbar.opened ? 0 : snackbar.height
        radius: snackbar.fullWidth ? 0 : Units.dp(2)
        color: Palette.colors.grey["900"]
        opacity: snackbar.opened ? 1 : 0

        Behavior on y { NumberAnimation { id: slideAnimation; duration: snackbar.__slideDuration; easing.type: Easing.OutCubic } }
        Behavior on opacity { NumberAnimation { duration: snackbar.__slideDuration } }

        Label {
            id: message
            anchors.verticalCenter: parent.verticalCenter
            x: snackbar.__padding
            width: parent.width - 2 * snackbar.__padding
            horizontalAlignment: snackbar.fullWidth ? Text.AlignLeft : Text.AlignHCenter
            wrapMode: Text.Wrap
            maximumLineCount: 2
            elide: Text.ElideRight
            style: "body1"
            color: Theme.dark.textColor
            text: snackbar.text
        }
    }
}
