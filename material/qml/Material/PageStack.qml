import QtQuick 2.4
import QtQuick.Controls 1.4 as Controls

// The window's page stack: a Qt Quick Controls stack view, so push and pop take
// either an item or an options object ({ item, replace, immediate, properties }),
// with Material transitions (the new page rises and fades in).
Controls.StackView {
    id: pageStack

    readonly property int __duration: 220
    readonly property real __rise: Units.dp(32)

    delegate: Controls.StackViewDelegate {
        pushTransition: Controls.StackViewTransition {
            ParallelAnimation {
                NumberAnimation { target: enterItem; property: "y"; from: pageStack.__rise; to: 0; duration: pageStack.__duration; easing.type: Easing.OutCubic }
                NumberAnimation { target: enterItem; property: "opacity"; from: 0; to: 1; duration: pageStack.__duration }
                NumberAnimation { target: exitItem; property: "opacity"; from: 1; to: 1; duration: pageStack.__duration }
            }
        }
        popTransition: Controls.StackViewTransition {
            ParallelAnimation {
                NumberAnimation { target: exitItem; property: "y"; from: 0; to: pageStack.__rise; duration: pageStack.__duration; easing.type: Easing.InCubic }
                NumberAnimation { target: exitItem; property: "opacity"; from: 1; to: 0; duration: pageStack.__duration }
                NumberAnimation { target: enterItem; property: "opacity"; from: 1; to: 1; duration: pageStack.__duration }
            }
        }

        function transitionFinished(properties) {
            properties.exitItem.y = 0;
            properties.exitItem.opacity = 1;
        }
    }
}
