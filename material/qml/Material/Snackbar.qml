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
    // The message's font: Roboto on the body1 step of the type scale unless set.
    property font font

    readonly property bool __sliding: slideAnimation.running
    readonly property real __margin: fullWidth ? 0 : Units.dp(8)
    readonly property real __minWidth: Units.dp(288)
    readonly property real __maxWidth: Units.dp(568)
    readonly property real __padding: Units.dp(24)
    readonly property int __slideDuration: 200
    // Whether the message's text has been made: at the first opening, and
    // kept (the handler below ends the binding). A snackbar never opened
    // costs no text and no font.
    property bool __made: opened

    font.family: Theme.fontFamily
    font.pixelSize: Units.dp(Theme.__typeScale.body1.size)
    font.weight: Theme.__typeScale.body1.weight
    anchors.left: parent ? parent.left : undefined
    anchors.right: parent ? parent.right : undefined
    height: card.height + __margin
    clip: true
    visible: opened || slideAnimation.running
    onOpenedChanged: {
        if (opened)
            __made = true;
    }

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
                                (message.item ? message.item.naturalWidth : 0) + 2 * snackbar.__padding))
        height: Math.max(Units.dp(48), (message.item ? message.item.height : 0) + 2 * Units.dp(14))
        y: snackbar.opened ? 0 : snackbar.height
        radius: snackbar.fullWidth ? 0 : Units.dp(2)
        color: Palette.colors.grey["900"]
        opacity: snackbar.opened ? 1 : 0

        Behavior on y { NumberAnimation { id: slideAnimation; duration: snackbar.__slideDuration; easing.type: Easing.OutCubic } }
        Behavior on opacity { NumberAnimation { duration: snackbar.__slideDuration } }

        // The text wraps at the widest the card can be, and is centred in
        // the card (its width does not follow the card's, which follows the
        // text's natural width); a full-width message lies at the left.
        Loader {
            id: message
            anchors.verticalCenter: parent.verticalCenter
            anchors.horizontalCenter: snackbar.fullWidth ? undefined : parent.horizontalCenter
            x: snackbar.__padding
            active: snackbar.__made

            sourceComponent: Label {
                // Read while the text is made, so that it is computed with
                // the first layout: asked for only afterwards, it would be
                // computed, and change, while the card reads it.
                readonly property real naturalWidth: implicitWidth

                width: (snackbar.fullWidth ? card.width
                                           : Math.min(snackbar.__maxWidth, snackbar.width - 2 * snackbar.__margin))
                       - 2 * snackbar.__padding
                horizontalAlignment: snackbar.fullWidth ? Text.AlignLeft : Text.AlignHCenter
                wrapMode: Text.Wrap
                maximumLineCount: 2
                elide: Text.ElideRight
                style: "body1"
                font.family: snackbar.font.family
                font.pixelSize: snackbar.font.pixelSize
                font.weight: snackbar.font.weight
                font.italic: snackbar.font.italic
                color: Theme.dark.textColor
                text: snackbar.text
            }
        }
    }
}
