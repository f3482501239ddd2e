import QtQuick 2.4
import QtQuick.Window 2.2

// A modal dialog. While open it lies in the window's overlay (the framed area of
// a Material ApplicationWindow, the whole window otherwise), centred, over a
// scrim that takes every touch outside it: with dismissOnTap a tap there closes
// the dialog, otherwise it is ignored. Children of the dialog go into its
// content column, below the title and text. Set width and height as for any
// item (the parent is the overlay while the dialog is open); without a height
// the dialog fits its content. The dialog's look (scrim, shadow, card, title,
// text and buttons) is made when it first opens, and kept: a dialog never
// opened (the auto-off warning) costs its texts and fonts nothing.
FocusScope {
    id: dialog

    signal opened()
    signal accepted()
    signal rejected()
    signal closed()

    property string title: ""
    property string text: ""
    property bool hasActions: true
    property bool dismissOnTap: true
    property bool floatingActions: false
    property real contentMargins: Units.dp(24)
    property string positiveButtonText: qsTr("Ok")
    property string negativeButtonText: qsTr("Cancel")
    property bool positiveButtonEnabled: true
    // Whether the dialog is open (it stays visible while it fades out).
    readonly property bool showing: __showing
    default property alias dialogContent: contentColumn.data

    property bool __showing: false
    // The item that had the focus when the dialog last opened; it gets it
    // back when the dialog closes.
    property Item __focusBefore: null
    // Whether the look has been made (at the first opening).
    property bool __made: false
    readonly property bool __fading: fadeAnimation.running
    readonly property real __elevation: 24
    readonly property real __screenMargin: Units.dp(24)
    readonly property real __actionBarHeight: hasActions ? Units.dp(52) : 0
    readonly property real __headerHeight: (title !== "" && chrome.item ? chrome.item.titleHeight + Units.dp(20) : 0)
                                           + (text !== "" && chrome.item ? chrome.item.textHeight + Units.dp(20) : 0)
    readonly property real __naturalHeight: contentMargins + __headerHeight + contentColumn.height
        + (floatingActions ? 0 : __actionBarHeight) + (hasActions && !floatingActions ? 0 : contentMargins)
    readonly property int __fadeDuration: 150
    readonly property color __scrimColor: Qt.rgba(0, 0, 0, 0.4)

    width: Units.dp(320)
    height: parent ? Math.min(__naturalHeight, parent.height - 2 * __screenMargin) : __naturalHeight
    x: parent ? Math.round((parent.width - width) / 2) : 0
    y: parent ? Math.round((parent.height - height) / 2) : 0
    z: 1000
    visible: __showing || fadeAnimation.running
    opacity: __showing ? 1 : 0

    Behavior on opacity { NumberAnimation { id: fadeAnimation; duration: dialog.__fadeDuration } }

    function open() {
        var overlay = __findOverlay();
        if (overlay === null) {
            console.log("Dialog.open(): the dialog is not in a window");
            return;
        }
        __made = true;
        if (!__showing) {
            var window = Window.window;
            var before = window ? window.activeFocusItem : null;
            __focusBefore = before !== null && !__holds(before) ? before : null;
            // Opened last, drawn on top of the dialogs of the same z: an item
            // taken into the overlay goes after its other children.
            if (parent === overlay)
                parent = null;
        }
        if (parent !== overlay)
            parent = overlay;
        __showing = true;
        forceActiveFocus();
        opened();
    }

    function show() {
        open();
    }

    function close() {
        if (!__showing)
            return;
        __showing = false;
        __restoreFocus();
        closed();
    }

    function __findOverlay() {
        var window = Window.window;
        if (window && window.overlayLayer !== undefined && window.overlayLayer !== null)
            return window.overlayLayer;
        var top = dialog.parent;
        while (top !== null && top.parent !== null)
            top = top.parent;
        return top;
    }

    // Whether `item` is this dialog or lies inside it.
    function __holds(item) {
        for (var i = item; i !== null; i = i.parent) {
            if (i === dialog)
                return true;
        }
        return false;
    }

    // Gives the focus back to where it was before the dialog opened, unless it
    // has moved on elsewhere meanwhile (to a dialog opened over this one). An
    // item inside a dialog closed meanwhile passes on to where that dialog's
    // focus came from.
    function __restoreFocus() {
        var window = Window.window;
        var current = window ? window.activeFocusItem : null;
        if (current !== null && !__holds(current))
            return;
        var target = __focusBefore;
        for (var hops = 0; target !== null && hops < 16; ++hops) {
            var closedDialog = __closedDialogOf(target);
            if (closedDialog === null)
                break;
            target = closedDialog.__focusBefore;
        }
        // The dialog lets go of the focus first: an item that is a focus scope
        // (the window's root) would hand it straight back to its focused child.
        dialog.focus = false;
        if (target !== null && target.visible)
            target.forceActiveFocus();
    }

    // The nearest dialog holding `item` that is closed or closing, or null.
    function __closedDialogOf(item) {
        for (var i = item; i !== null; i = i.parent) {
            if (i.__focusBefore !== undefined && i.showing === false)
                return i;
        }
        return null;
    }

    // A dialog that is closing (fading out) takes no more taps: a second,
    // quick tap must not run the action again.
    function __accept() {
        if (!__showing || !positiveButtonEnabled)
            return;
        accepted();
        close();
    }

    function __reject() {
        if (!__showing)
            return;
        rejected();
        close();
    }

    Keys.onEscapePressed: if (dismissOnTap) close()

    // The declared children; they move into the card when it is made.
    Column {
        id: contentColumn
        x: dialog.contentMargins
        y: dialog.contentMargins + dialog.__headerHeight
        width: dialog.width - 2 * dialog.contentMargins
        spacing: Units.dp(8)
    }

    Loader {
        id: chrome
        anchors.fill: parent
        active: dialog.__made

        sourceComponent: Item {
            readonly property real titleHeight: titleLabel.height
            readonly property real textHeight: textLabel.height

            Component.onCompleted: contentColumn.parent = contentHolder

            // The scrim covers the whole overlay, whatever the dialog's own geometry.
            Rectangle {
                id: scrim
                x: -dialog.x
                y: -dialog.y
                z: -2
                width: dialog.parent ? dialog.parent.width : 0
                height: dialog.parent ? dialog.parent.height : 0
                color: dialog.__scrimColor

                MouseArea {
                    id: scrimArea
                    anchors.fill: parent
                    onClicked: if (dialog.dismissOnTap && dialog.__showing) dialog.close()
                    onWheel: wheel.accepted = true
                }
            }

            Shadow {
                anchors.fill: card
                z: -1
                radius: card.radius
                elevation: dialog.__elevation
            }

            Rectangle {
                id: card
                anchors.fill: parent
                radius: Units.dp(2)
                color: "white"

                // Takes the touches on the card so that they do not reach the scrim.
                MouseArea {
                    anchors.fill: parent
                }
            }

            Flickable {
                id: contentArea
                anchors.fill: parent
                anchors.bottomMargin: dialog.hasActions && !dialog.floatingActions ? dialog.__actionBarHeight : 0
                contentHeight: contentHolder.height
                interactive: contentHeight > height
                clip: interactive
                boundsBehavior: Flickable.StopAtBounds

                Item {
                    id: contentHolder
                    width: contentArea.width
                    height: dialog.contentMargins + dialog.__headerHeight + contentColumn.height
                            + (dialog.hasActions && !dialog.floatingActions ? 0 : dialog.contentMargins)

                    Label {
                        id: titleLabel
                        x: Units.dp(24)
                        y: Units.dp(24)
                        width: parent.width - 2 * Units.dp(24)
                        visible: text !== ""
                        style: "title"
                        wrapMode: Text.Wrap
                        text: dialog.title
                    }

                    Label {
                        id: textLabel
                        x: Units.dp(24)
                        y: dialog.title !== "" ? titleLabel.y + titleLabel.height + Units.dp(20) : Units.dp(24)
                        width: parent.width - 2 * Units.dp(24)
                        visible: text !== ""
                        style: "subheading"
                        color: Theme.light.subTextColor
                        wrapMode: Text.Wrap
                        text: dialog.text
                    }
                }
            }

            // The buttons are made only for a dialog that has them.
            Loader {
                id: actionRow
                x: dialog.width - width - Units.dp(8)
                y: dialog.height - height - Units.dp(8)
                active: dialog.hasActions

                sourceComponent: Row {
                    spacing: Units.dp(8)

                    Button {
                        id: negativeButton
                        objectName: "negativeButton"
                        visible: text !== ""
                        text: dialog.negativeButtonText
                        textColor: Theme.accentColor
                        elevation: dialog.floatingActions ? 1 : 0
                        backgroundColor: dialog.floatingActions ? "white" : "transparent"
                        onClicked: dialog.__reject()
                    }

                    Button {
                        id: positiveButton
                        objectName: "positiveButton"
                        visible: text !== ""
                        text: dialog.positiveButtonText
                        textColor: Theme.accentColor
                        elevation: dialog.floatingActions ? 1 : 0
                        backgroundColor: dialog.floatingActions ? "white" : "transparent"
                        enabled: dialog.positiveButtonEnabled
                        onClicked: dialog.__accept()
                    }
                }
            }
        }
    }
}
