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

    readonly property bool __spreading: spreadAnimation.running
    property real __rippleX: 0
    property real __rippleY: 0
    property real __rippleRadius: 0
    readonly property real __maxRadius: circular
        ? Math.min(width, height) / 2
        : Math.sqrt(width * width + height * height)
    readonly property int __spreadDuration: 450
    readonly property int __finishDuration: 200
    readonly property int __fadeDuration: 350

    clip: !circular
    onPressed: __startRipple(mouse.x, mouse.y)
    onReleased: __finishRipple()
    onCanceled: __finishRipple()

    function __startRipple(x, y) {
        spreadAnimation.stop();
        finishAnimation.stop();
        var fromCentre = circular || centered;
        __rippleX = fromCentre ? width / 2 : x;
        __rippleY = fromCentre ? height / 2 : y;
        __rippleRadius = 0;
        ripple.opacity = 1;
        spreadAnimation.start();
    }

    function __finishRipple() {
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
        opacity: ink.pressed ? 0.6 : 0
        Behavior on opacity { NumberAnimation { duration: ink.__fadeDuration } }
    }

    Rectangle {
        id: ripple
        x: ink.__rippleX - ink.__rippleRadius
        y: ink.__rippleY - ink.__rippleRadius
        width: 2 * ink.__rippleRadius
        height: width
        radius: ink.__rippleRadius
        color: ink.color
        opacity: 0
    }

    NumberAnimation {
        id: spreadAnimation
        target: ink
        property: "__rippleRadius"
        to: ink.__maxRadius
        duration: ink.__spreadDuration
        easing.type: Easing.OutCubic
    }

    ParallelAnimation {
        id: finishAnimation
        NumberAnimation {
            target: ink
            property: "__rippleRadius"
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
