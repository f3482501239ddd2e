import QtQuick 2.4
import Material 0.2
import com.zel 1.0

// Software updates: the installed software version, the version of every
// installed app, and whether an update is waiting (never, in this build: the
// device is up to date). The refresh action checks again.
VeltraApp {
    id: updatesApp

    // Every installed app's record, in the shell's order.
    readonly property var apps: __sortedApps(typeof appManager !== "undefined" && appManager
                                             ? appManager.appMetadataList : [])
    // When the device last looked for updates.
    property date lastChecked: new Date()

    readonly property var __gaugeInfo: statusManager.gaugeInfo
    readonly property string __noValue: "\u2014"

    title: qsTr("UPDATES_APP_TITLE")
    initialPage: updatesPage

    function checkForUpdates() {
        lastChecked = new Date();
        snackbar.open(qsTr("UPDATES_NO_UPDATES_SNACKBAR"));
    }

    function versionText(value) {
        return value === undefined || value === null || String(value) === "" ? __noValue : String(value);
    }

    function __sortedApps(list) {
        var result = [];
        if (!list || list.length === undefined) {
            console.log("UpdatesApp.__sortedApps(): no app list");
            return result;
        }
        for (var i = 0; i < list.length; ++i) {
            if (list[i] && typeof list[i] === "object")
                result.push(list[i]);
        }
        result.sort(function(a, b) { return (Number(a.sequence) || 0) - (Number(b.sequence) || 0); });
        return result;
    }

    StatusManager {
        id: statusManager
    }

    Page {
        id: updatesPage

        objectName: "updatesPage"
        title: updatesApp.title
        actions: [
            Action {
                objectName: "checkAction"
                iconName: "navigation/refresh"
                name: qsTr("UPDATES_CHECK_ACTION")
                onTriggered: updatesApp.checkForUpdates()
            },
            Action {
                objectName: "homeAction"
                iconName: "action/home"
                name: qsTr("HOME_ACTION_NAME")
                onTriggered: updatesApp.goHome()
            }
        ]

        Rectangle {
            id: statusCard

            objectName: "statusCard"
            x: Units.dp(8)
            y: Units.dp(8)
            width: Math.round((parent.width - Units.dp(24)) * 0.42)
            height: parent.height - Units.dp(16)
            radius: Units.dp(2)
            color: "white"

            // The card's lower edge: a hairline of shade below it.
            Rectangle {
                anchors.fill: parent
                anchors.topMargin: Units.dp(1)
                anchors.bottomMargin: -Units.dp(1)
                z: -1
                radius: parent.radius
                color: Theme.light.dividerColor
            }

            Column {
                anchors.centerIn: parent
                width: parent.width - Units.dp(24)
                spacing: Units.dp(4)

                Icon {
                    anchors.horizontalCenter: parent.horizontalCenter
                    size: Units.dp(48)
                    name: "action/check_circle"
                    color: Palette.colors.green["600"]
                }

                Label {
                    objectName: "statusLabel"
                    width: parent.width
                    horizontalAlignment: Text.AlignHCenter
                    wrapMode: Text.Wrap
                    style: "subheading"
                    font.weight: Font.Medium
                    text: qsTr("UPDATES_UP_TO_DATE")
                }

                Label {
                    objectName: "softwareVersionLabel"
                    width: parent.width
                    horizontalAlignment: Text.AlignHCenter
                    wrapMode: Text.Wrap
                    style: "body1"
                    color: Theme.light.subTextColor
                    text: qsTr("UPDATES_SOFTWARE_VERSION")
                          .arg(updatesApp.versionText(updatesApp.__gaugeInfo ? updatesApp.__gaugeInfo.softwareVersion : ""))
                }

                Label {
                    objectName: "lastCheckedLabel"
                    width: parent.width
                    horizontalAlignment: Text.AlignHCenter
                    wrapMode: Text.Wrap
                    style: "caption"
                    color: Theme.light.subTextColor
                    text: qsTr("UPDATES_LAST_CHECKED")
                          .arg(updatesApp.lastChecked.toLocaleTimeString(Qt.locale(), Locale.ShortFormat))
                }
            }
        }

        Rectangle {
            id: appsCard

            objectName: "appsCard"
            anchors.left: statusCard.right
            anchors.leftMargin: Units.dp(8)
            anchors.right: parent.right
            anchors.rightMargin: Units.dp(8)
            y: statusCard.y
            height: statusCard.height
            radius: Units.dp(2)
            color: "white"

            // The card's lower edge: a hairline of shade below it.
            Rectangle {
                anchors.fill: parent
                anchors.topMargin: Units.dp(1)
                anchors.bottomMargin: -Units.dp(1)
                z: -1
                radius: parent.radius
                color: Theme.light.dividerColor
            }

            Label {
                id: appsHeader

                x: Units.dp(12)
                height: Units.dp(32)
                verticalAlignment: Text.AlignVCenter
                style: "body2"
                color: Theme.accentColor
                text: qsTr("UPDATES_INSTALLED_APPS")
            }

            ListView {
                id: appList

                objectName: "appList"
                anchors.top: appsHeader.bottom
                anchors.bottom: parent.bottom
                anchors.bottomMargin: Units.dp(4)
                width: parent.width
                clip: true
                boundsBehavior: Flickable.StopAtBounds
                model: updatesApp.apps

                delegate: UpdatesAppRow {
                    objectName: "appRow_" + modelData.id
                    width: appList.width
                    title: typeof modelData.title === "string" && modelData.title !== "" ? modelData.title : String(modelData.id)
                    version: updatesApp.versionText(modelData.version)
                    showDivider: index < appList.count - 1
                }
            }

            Scrollbar {
                flickableItem: appList
            }
        }
    }
}
