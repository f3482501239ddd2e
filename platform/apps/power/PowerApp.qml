import QtQuick 2.4
import Material 0.2

// Power off: every launch asks for confirmation. Confirming ends the program
// (on the device the power-off program takes over from there) after a short
// "shutting down" notice; cancelling goes back home.
VeltraApp {
    id: powerApp

    // Whether the user confirmed and the program is about to end.
    readonly property bool shuttingDown: __shuttingDown

    property bool __shuttingDown: false
    readonly property int __shutdownDelay: 800

    title: qsTr("POWER_APP_TITLE")
    initialPage: powerPage
    onStart: askToConfirm()
    onResume: askToConfirm()
    onPause: confirmDialog.close()

    function askToConfirm() {
        __shuttingDown = false;
        confirmDialog.open();
    }

    function __powerOff() {
        console.log("PowerApp.__powerOff(): ending the program");
        __shuttingDown = true;
        quitTimer.start();
    }

    function __cancel() {
        console.log("PowerApp.__cancel(): going home");
        goHome();
    }

    Timer {
        id: quitTimer

        objectName: "quitTimer"
        interval: powerApp.__shutdownDelay
        onTriggered: Qt.quit()
    }

    ZelDialog {
        id: confirmDialog

        objectName: "powerConfirmDialog"
        title: qsTr("POWER_DIALOG_TITLE")
        text: qsTr("POWER_DIALOG_MSG")
        positiveButtonText: qsTr("POWER_DIALOG_CONFIRM")
        negativeButtonText: qsTr("POWER_DIALOG_CANCEL")
        onAccepted: powerApp.__powerOff()
        onRejected: powerApp.__cancel()
    }

    Page {
        id: powerPage

        objectName: "powerPage"
        title: powerApp.title

        Column {
            anchors.centerIn: parent
            spacing: Units.dp(8)

            Rectangle {
                anchors.horizontalCenter: parent.horizontalCenter
                width: Units.dp(72)
                height: width
                radius: width / 2
                color: Theme.primaryColor

                Icon {
                    anchors.centerIn: parent
                    size: Units.dp(40)
                    name: "action/power_settings_new"
                    color: Theme.dark.iconColor
                }
            }

            Label {
                objectName: "powerStatusLabel"
                anchors.horizontalCenter: parent.horizontalCenter
                style: "subheading"
                color: Theme.light.subTextColor
                text: powerApp.shuttingDown ? qsTr("POWER_SHUTTING_DOWN") : qsTr("POWER_PAGE_HINT")
            }
        }
    }
}
