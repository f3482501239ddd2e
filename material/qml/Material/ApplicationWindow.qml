import QtQuick 2.4
import QtQuick.Window 2.2

// The application's window. Its content lies inside four frame sizes (pixels
// left free on each side, for a picture around the screen); in that framed area,
// from the top: the status centre made from statusCenterComponent (it sets its
// own height and, expanded, covers what lies below), the action bar at
// toolbarTopMargin, and the page stack below the action bar. Items declared in
// the window cover the whole window above the pages; dialogs open above all of
// it in the overlay layer, which covers the framed area.
Window {
    id: appWindow

    property AppTheme theme: AppTheme {}
    readonly property alias pageStack: pageStack
    // The first page: pushed when it is set while the stack is empty.
    property Item initialPage: null
    property real leftFrameSize: 0
    property real rightFrameSize: 0
    property real topFrameSize: 0
    property real bottomFrameSize: 0
    // Offset of the action bar from the top of the framed area.
    property real toolbarTopMargin: 0
    property Component statusCenterComponent: null
    // The item made from statusCenterComponent.
    readonly property alias statusCenter: statusCenterLoader.item
    readonly property alias actionBar: actionBar
    // Parent of open dialogs and menus.
    readonly property alias overlayLayer: overlayLayer
    default property alias content: contentLayer.data

    width: Units.dp(480)
    height: Units.dp(272)
    color: theme.backgroundColor
    onThemeChanged: Theme.__appTheme = theme
    onInitialPageChanged: __pushInitialPage()
    Component.onCompleted: {
        Theme.__appTheme = theme;
        __pushInitialPage();
    }
    Component.onDestruction: {
        if (Theme.__appTheme === theme)
            Theme.__appTheme = null;
    }

    function __pushInitialPage() {
        if (initialPage !== null && pageStack.depth === 0)
            pageStack.push({ "item": initialPage, "immediate": true });
    }

    Item {
        id: framedArea
        objectName: "framedArea"
        x: appWindow.leftFrameSize
        y: appWindow.topFrameSize
        width: Math.max(0, appWindow.width - appWindow.leftFrameSize - appWindow.rightFrameSize)
        height: Math.max(0, appWindow.height - appWindow.topFrameSize - appWindow.bottomFrameSize)

        PageStack {
            id: pageStack
            objectName: "pageStack"
            y: actionBar.visible ? actionBar.y + actionBar.height : appWindow.toolbarTopMargin
            width: parent.width
            height: parent.height - y
        }

        ActionBar {
            id: actionBar
            objectName: "actionBar"
            y: appWindow.toolbarTopMargin
            z: 1
            width: parent.width
            visible: page !== null && !page.actionBar.hidden
            page: pageStack.currentItem
            depth: pageStack.depth
            backgroundColor: appWindow.theme.primaryColor
            overlay: overlayLayer
        }

        Loader {
            id: statusCenterLoader
            objectName: "statusCenterSlot"
            z: 2
            width: parent.width
            sourceComponent: appWindow.statusCenterComponent
        }
    }

    Item {
        id: contentLayer
        anchors.fill: parent
    }

    Item {
        id: overlayLayer
        objectName: "overlayLayer"
        x: framedArea.x
        y: framedArea.y
        width: framedArea.width
        height: framedArea.height
    }
}
