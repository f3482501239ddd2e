import QtQuick 2.4

// A scroll indicator for a Flickable (ListView, GridView ...). It lies along the
// flickable's right edge (vertical) or bottom edge (horizontal) when the
// flickable is its sibling or its parent; anchor it yourself otherwise. With
// alwaysShow it stays visible; otherwise it shows while the flickable moves and
// when flashScrollbar() is called, and fades out shortly after.
Item {
    id: scrollbar

    property Flickable flickableItem: null
    property int orientation: Qt.Vertical
    property bool alwaysShow: false
    property color color: Theme.light.hintColor
    // Whether the bar is shown (or fading in) at the moment.
    readonly property bool showing: alwaysShow || __moving || hideTimer.running

    readonly property bool __vertical: orientation === Qt.Vertical
    readonly property bool __moving: flickableItem !== null && flickableItem.moving
    readonly property bool __isSibling: flickableItem !== null && flickableItem.parent === parent
    readonly property real __thickness: Units.dp(4)
    readonly property real __margin: Units.dp(2)
    readonly property real __minThumb: Units.dp(24)
    readonly property int __lingerDuration: 1000
    readonly property int __fadeDuration: 250
    // Visible share of the content and position of the view, 0 ... 1.
    readonly property real __ratio: flickableItem === null ? 1
        : Math.min(1, __vertical ? flickableItem.visibleArea.heightRatio : flickableItem.visibleArea.widthRatio)
    readonly property real __position: flickableItem === null ? 0
        : Math.max(0, Math.min(1 - __ratio, __vertical ? flickableItem.visibleArea.yPosition
                                                       : flickableItem.visibleArea.xPosition))
    readonly property real __length: __vertical ? height : width

    x: !flickableItem ? 0 : (__isSibling ? flickableItem.x : 0) + (__vertical ? flickableItem.width - width : 0)
    y: !flickableItem ? 0 : (__isSibling ? flickableItem.y : 0) + (__vertical ? 0 : flickableItem.height - height)
    width: __vertical ? __thickness + 2 * __margin : (flickableItem ? flickableItem.width : 0)
    height: __vertical ? (flickableItem ? flickableItem.height : 0) : __thickness + 2 * __margin
    z: flickableItem ? flickableItem.z + 1 : 0
    opacity: showing ? 1 : 0
    on__MovingChanged: if (!__moving) hideTimer.restart()

    Behavior on opacity { NumberAnimation { duration: scrollbar.__fadeDuration } }

    // Shows the bar for a moment, to hint that the content scrolls.
    function flashScrollbar() {
        hideTimer.restart();
    }

    Timer {
        id: hideTimer
        interval: scrollbar.__lingerDuration
    }

    Rectangle {
        id: thumb
        readonly property real length: Math.min(scrollbar.__length,
            Math.max(scrollbar.__minThumb, scrollbar.__ratio * scrollbar.__length))
        readonly property real offset: scrollbar.__ratio >= 1 ? 0
            : scrollbar.__position / (1 - scrollbar.__ratio) * (scrollbar.__length - length)
        x: scrollbar.__vertical ? scrollbar.__margin : offset
        y: scrollbar.__vertical ? offset : scrollbar.__margin
        width: scrollbar.__vertical ? scrollbar.__thickness : length
        height: scrollbar.__vertical ? length : scrollbar.__thickness
        radius: scrollbar.__thickness / 2
        color: scrollbar.color
    }
}
