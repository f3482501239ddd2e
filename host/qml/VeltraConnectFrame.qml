import QtQuick 2.4
import Material 0.2

// The desktop edition's picture of the device around its screen: a close
// button, and the picture's border drags the window. Presses on the screen
// area go on to the app beneath.
Item {
    id: veltraConnectFrame

    anchors.fill: parent

    Image {
        objectName: "devicePicture"
        z: 999
        x: 0
        y: 0
        source: icondir !== "" ? icondir + "Veltra-Connect-Background-Cutout.png" : ""
    }

    MouseArea {
        id: dragArea

        // The press position of a drag in progress, or "" when the press belongs to the app.
        property var clickPos: "1,1"

        objectName: "frameDragArea"
        z: 1000
        anchors.fill: parent

        onPressed: {
            var onBorder = mouse.x < leftFrameSize || mouse.x > rootApp.width - rightFrameSize
                || mouse.y < topFrameSize || mouse.y > rootApp.height - bottomFrameSize;
            if (onBorder) {
                clickPos = Qt.point(mouse.x, mouse.y);
            } else {
                clickPos = "";
                mouse.accepted = false;
            }
        }
        onPositionChanged: {
            if (clickPos === "")
                return;
            rootApp.x += mouse.x - clickPos.x;
            rootApp.y += mouse.y - clickPos.y;
        }
    }

    ActionButton {
        id: closeButton

        objectName: "closeButton"
        z: 1001
        anchors.top: parent.top
        anchors.right: parent.right
        anchors.topMargin: 4
        anchors.rightMargin: 4
        iconName: "navigation/close"
        isMiniSize: true
        backgroundColor: "white"
        onClicked: Qt.quit()
    }
}
