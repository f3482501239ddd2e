import QtQuick 2.4
import Material 0.2

// The wizard's result: which tube goes on which tap, as a strip under a
// tubing diagram, and a button that starts the gauge with this set-up.
Page {
    id: connectionsPage

    signal show()

    property alias chAInputLbl: tapLabels.chAInput
    property alias chARefLbl: tapLabels.chARef
    property alias chBInputLbl: tapLabels.chBInput
    property alias chBRefLbl: tapLabels.chBRef
    property string category: ""
    property Action launchAction: null
    property DecisionTree decisionTree: null

    backgroundColor: "white"
    // The diagram is larger than the page; it must not draw over the bars.
    clip: true
    actions: [
        Action {
            objectName: "homeAction"
            iconName: "action/home"
            onTriggered: lumvar.goHome()
        }
    ]

    Image {
        id: tubingDiagramIcon

        objectName: "tubingDiagramIcon"
        anchors.centerIn: parent
        width: Units.dp(500)
        height: Units.dp(500)
        sourceSize.width: width
        sourceSize.height: height
        fillMode: Image.PreserveAspectCrop
        asynchronous: true
        source: icondir !== "" ? icondir + "tubing_config_" + (tapLabels.chAInputColorCode + tapLabels.chARefColorCode
                                  + tapLabels.chBInputColorCode + tapLabels.chBRefColorCode).toLowerCase() + ".svg"
                               : ""
    }

    TapLabels {
        id: topTapLabels

        objectName: "topTapLabels"
        anchors.top: parent.top
        anchors.topMargin: Units.dp(8)
        backgroundColor: "white"
        showBorders: false
        coloredBackground: false
        chAInput: "TAP_LABEL_INPUT"
        chARef: "TAP_LABEL_REFERENCE"
        chBInput: "TAP_LABEL_INPUT"
        chBRef: "TAP_LABEL_REFERENCE"
    }

    TapLabels {
        id: tapLabels

        objectName: "tapLabels"
        anchors.bottom: parent.bottom
        backgroundColor: "white"
    }

    ActionButton {
        id: launchGaugeBtn

        objectName: "launchGaugeBtn"
        anchors.right: parent.right
        anchors.bottom: parent.bottom
        anchors.rightMargin: Units.dp(16)
        anchors.bottomMargin: Units.dp(16)
        iconName: "awesome/play"
        iconColor: "white"
        backgroundColor: Palette.colors.green["500"]
        visible: true
        action: connectionsPage.launchAction
    }
}
