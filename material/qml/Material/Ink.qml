import QtQuick 2.4

// Touch feedback: a ripple that spreads from the touch point and fades when the
// touch ends. Being a MouseArea, it reports pressed, clicked and the other mouse
// signals. circular keeps the ripple inside the inscribed circle, centred, for
// round controls.
MouseArea {
    id: ink

    property color color: Theme.light.pressedColor
    property bool circular: false
    property bool centered: false

    readonly property bool __spreading: feedback.item !== null && feedback.item.spreading
    readonly property real __maxRadius: circular
        ? Math.min(width, height) / 2
        : Math.sqrt(width * width + height * height)
    readonly property int __spreadDuration: 450
    readonly property int __finishDuration: 200
    readonly property int __fadeDuration: 350
    // The ripple's parts are made at the first touch: most inks of a screen
    // (every key of a keyboard, every tile) are never touched.
    property bool __touched: false

    clip: !circular
    onPressed: {
        __touched = true;
        feedback.item.start(mouse.x, mouse.y);
    }
    onReleased: __finishRipple()
    onCanceled: __finishRipple()

    function __finishRipple() {
        if (feedback.item)
            feedback.item.finish();
    }

    Loader {
        id: feedback

        anchors.fill: parent
        active: ink.__touched

        sourceComponent: Item {
            id: ripples

            readonly property bool spreading: spreadAnimation.running
            property real rippleX: 0
            property real rippleY: 0
            property real rippleRadius: 0

            function start(x, y) {
                spreadAnimation.stop();
                finishAnimation.stop();
                var fromCentre = ink.circular || ink.centered;
                rippleX = fromCentre ? ink.width / 2 : x;
                rippleY = fromCentre ? ink.height / 2 : y;
                rippleRadius = 0;
                ripple.opacity = 1;
                spreadAnimation.start();
            }

            function finish() {
                spreadAnimation.stop();
                finishAnimation.start();
            }

            Rectangle {
                id: pressedBackground
                anchors.centerIn: parent
                width: ink.circular ? Math.min(ink.width, ink.height) : ink.width
                height: ink.circular ? width : ink.height
                radius: ink.circular ? width / 2 : 0
                color: ink.color
                // Made during the first press: starts clear and fades in as later presses do.
                opacity: 0
                Component.onCompleted: opacity = Qt.binding(function() { return ink.pressed ? 0.6 : 0; })
                Behavior on opacity { NumberAnimation { duration: ink.__fadeDuration } }
            }

            Rectangle {
                id: ripple
                x: ripples.rippleX - ripples.rippleRadius
                y: ripples.rippleY - ripples.rippleRadius
                width: 2 * ripples.rippleRadius
                height: width
                radius: ripples.rippleRadius
                color: ink.color
                opacity: 0
            }

            NumberAnimation {
                id: spreadAnimation
                target: ripples
                property: "rippleRadius"
                to: ink.__maxRadius
                duration: ink.__spreadDuration
                easing.type: Easing.OutCubic
            }

            ParallelAnimation {
                id: finishAnimation
                NumberAnimation {
                    target: ripples
                    property: "rippleRadius"
                    to: ink.__maxRadius
                    duration: ink.__finishDuration
                    easing.type: Easing.OutCubic
                }
                NumberAnimation {
                    target: ripple
                    property: "opacity"
                    to: 0
                    duration: ink.__fadeDuration
                }
            }
        }
    }
}
