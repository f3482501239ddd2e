import QtQuick 2.4

// The window's action bar for the current page: back action, title, the page's
// actions as buttons up to the page's actionBar.maxActionCount, and an overflow
// menu for the rest.
Item {
    id: actionBar

    property Item page: null
    property int depth: 0
    property color backgroundColor: Theme.primaryColor
    // Parent for the overflow menu.
    property Item overlay: null
    readonly property color foregroundColor: Theme.lightDark(backgroundColor, Theme.light.textColor, Theme.dark.textColor)
    // The overflow menu: made at its first opening and kept (null before).
    readonly property Item overflowMenu: overflowMenuLoader.item

    readonly property bool __hasBack: page !== null && depth > 1 && page.backAction !== null && page.backAction.visible
    readonly property var __actions: __visibleActions(page)
    readonly property int __maxActionCount: page ? Math.max(0, page.actionBar.maxActionCount) : 0
    readonly property int __buttonCount: Math.min(__actions.length, __maxActionCount)
    readonly property var __overflowActions: __actions.slice(__buttonCount)
    readonly property real __elevation: 4
    readonly property color __iconColor: Theme.lightDark(backgroundColor, Theme.light.iconColor, Theme.dark.iconColor)
    property bool __overflowMenuMade: false

    height: Units.dp(48)

    // The overflow menu, made now if it is not made yet.
    function makeOverflowMenu() {
        __overflowMenuMade = true;
        return overflowMenuLoader.item;
    }

    function __visibleActions(p) {
        var list = [];
        if (p === null || p.actions === undefined)
            return list;
        for (var i = 0; i < p.actions.length; ++i) {
            if (p.actions[i] && p.actions[i].visible)
                list.push(p.actions[i]);
        }
        return list;
    }

    Shadow {
        anchors.fill: parent
        elevation: actionBar.__elevation
    }

    Rectangle {
        id: background
        objectName: "actionBarBackground"
        anchors.fill: parent
        color: actionBar.backgroundColor
    }

    ActionBarButton {
        id: backButton
        objectName: "backButton"
        x: Units.dp(4)
        anchors.verticalCenter: parent.verticalCenter
        visible: actionBar.__hasBack
        action: actionBar.page ? actionBar.page.backAction : null
        color: actionBar.__iconColor
    }

    Label {
        id: titleLabel
        anchors.verticalCenter: parent.verticalCenter
        x: actionBar.__hasBack ? Units.dp(64) : Units.dp(16)
        width: actionRow.x - x - Units.dp(8)
        style: "title"
        color: actionBar.foregroundColor
        elide: Text.ElideRight
        text: actionBar.page ? actionBar.page.title : ""
    }

    Row {
        id: actionRow
        objectName: "actionRow"
        anchors.right: parent.right
        anchors.rightMargin: Units.dp(4)
        anchors.verticalCenter: parent.verticalCenter

        Repeater {
            model: actionBar.__actions.slice(0, actionBar.__buttonCount)

            ActionBarButton {
                objectName: "actionButton"
                action: modelData
                color: actionBar.__iconColor
            }
        }

        ActionBarButton {
            id: overflowButton
            objectName: "overflowButton"
            visible: actionBar.__overflowActions.length > 0
            iconName: "navigation/more_vert"
            color: actionBar.__iconColor
            onClicked: {
                var menu = actionBar.makeOverflowMenu();
                var corner = mapToItem(menu.parent, width, 0);
                menu.cardRight = corner.x - Units.dp(4);
                menu.cardTop = corner.y + Units.dp(4);
                menu.open();
            }
        }
    }

    // The menu lies in the overlay; the loader only makes it.
    Loader {
        id: overflowMenuLoader
        active: actionBar.__overflowMenuMade

        sourceComponent: OverflowMenu {
            parent: actionBar.overlay !== null ? actionBar.overlay : actionBar
            actions: actionBar.__overflowActions
        }
    }
}
