import QtQuick 2.4
import Material 0.2
import Material.ListItems 0.1 as ListItem

// Every component of the library on a 480 × 272 dp screen. showScene(n) sets up
// one of the scenes that the gallery test renders to PNG files:
//   1 the component page (a button held down), 2 a dialog over it, 3 a list page
//   with a subheader, scroll bar and snackbar, 4 the action bar's overflow menu.
ApplicationWindow {
    id: gallery

    readonly property int sceneCount: 4
    readonly property real statusBarHeight: Units.dp(24)
    // The button that the gallery test holds down in scene 1, to show its ripple.
    readonly property Item pressDemo: startButton
    // The items pictured one by one for the reference (docs/material.md), by
    // component name, in scene 1.
    readonly property var componentItems: ({
        "Label": labelColumn,
        "Button": buttonRow,
        "Icon": iconRow,
        "ActionButton": actionButtons
    })
    // No transition or ripple is running: the scene can be pictured.
    readonly property bool settled: !pageStack.busy && !dialog.__fading && !snackbar.__sliding
        && !(actionBar.overflowMenu && actionBar.overflowMenu.__fading) && !startButton.__ink.__spreading

    title: "Material gallery"
    visible: true
    toolbarTopMargin: statusBarHeight
    initialPage: componentPage
    statusCenterComponent: statusBarComponent
    theme.primaryColor: Palette.colors.indigo["500"]
    theme.primaryDarkColor: Palette.colors.indigo["700"]
    theme.accentColor: Palette.colors.pink["A200"]
    theme.backgroundColor: Palette.colors.grey["50"]
    theme.statusBarBackgroundColor: Palette.colors.indigo["700"]
    theme.statusBarForegroundColor: "white"

    function showScene(scene) {
        dialog.close();
        snackbar.close();
        if (actionBar.overflowMenu)
            actionBar.overflowMenu.close();
        pageStack.pop({ "item": null, "immediate": true });
        if (scene === 1) {
            focusedField.forceActiveFocus();
        } else if (scene === 2) {
            dialog.open();
        } else if (scene === 3) {
            pageStack.push({ "item": listPage, "immediate": true });
            snackbar.open("Reading saved to the list");
        } else if (scene === 4) {
            var menu = actionBar.makeOverflowMenu();
            menu.cardRight = actionBar.width - Units.dp(8);
            menu.cardTop = toolbarTopMargin + Units.dp(4);
            menu.open();
        }
    }

    Component {
        id: statusBarComponent

        Rectangle {
            height: gallery.statusBarHeight
            color: gallery.theme.statusBarBackgroundColor

            Label {
                anchors.left: parent.left
                anchors.leftMargin: Units.dp(12)
                anchors.verticalCenter: parent.verticalCenter
                style: "body2"
                color: gallery.theme.statusBarForegroundColor
                text: "12:30"
            }

            Row {
                anchors.right: parent.right
                anchors.rightMargin: Units.dp(12)
                anchors.verticalCenter: parent.verticalCenter
                spacing: Units.dp(8)

                Icon { name: "action/bluetooth"; size: Units.dp(16); color: gallery.theme.statusBarForegroundColor }
                Icon { name: "device/signal_wifi_4_bar"; size: Units.dp(16); color: gallery.theme.statusBarForegroundColor }
                Icon { name: "unicode/\uf081"; size: Units.dp(18); color: gallery.theme.statusBarForegroundColor }
            }
        }
    }

    Page {
        id: componentPage
        title: "Gauge setup"
        actions: [
            Action { iconName: "action/search"; name: "Search" },
            Action { iconName: "social/share"; name: "Share" },
            Action { iconName: "action/settings"; name: "Settings" },
            Action { iconName: "action/help"; name: "Help" },
            Action { iconName: "action/info"; name: "About" }
        ]

        Column {
            x: Units.dp(16)
            y: Units.dp(8)
            spacing: Units.dp(2)

            Column {
                id: labelColumn

                spacing: Units.dp(2)

                Label { style: "display1"; text: "1013 Pa" }
            Label { style: "subheading"; text: "Channel A input, reference outside" }
            Label { style: "body1"; color: Theme.light.subTextColor; text: "Body text in Roboto at 14 dp." }
                Label { style: "button"; color: Theme.accentColor; text: "Button style" }
            }

            Item {
                width: 1
                height: Units.dp(6)
            }

            Row {
                id: buttonRow

                spacing: Units.dp(8)

                Button { text: "Cancel" }
                Button { id: startButton; text: "Start"; elevation: 1; backgroundColor: Theme.primaryColor }
                Button { text: "Off"; elevation: 1; enabled: false }
            }
        }

        Column {
            anchors.right: parent.right
            anchors.rightMargin: Units.dp(16)
            y: Units.dp(12)
            width: Units.dp(168)
            spacing: Units.dp(10)

            TextField {
                width: parent.width
                placeholderText: "Building name"
            }

            TextField {
                id: focusedField
                width: parent.width
                text: "Duct leakage"
            }

            Row {
                id: iconRow

                spacing: Units.dp(10)

                Icon { name: "device/usb"; color: Theme.primaryColor }
                Icon { name: "action/home" }
                Icon { name: "awesome/database"; color: Palette.colors.teal["500"] }
                Icon { name: "awesome/play"; color: Palette.colors.green["500"] }
                Icon { name: "unicode/\uf085"; color: Palette.colors.amber["700"] }
            }
        }

        Item {
            id: actionButtons

            anchors.right: parent.right
            anchors.bottom: parent.bottom
            width: Units.dp(160)
            height: Units.dp(96)

            ActionButton {
                anchors.right: parent.right
                anchors.bottom: parent.bottom
                anchors.margins: Units.dp(16)
                iconName: "awesome/play"
                backgroundColor: Palette.colors.green["500"]
                iconColor: "white"
            }

            ActionButton {
                anchors.right: parent.right
                anchors.bottom: parent.bottom
                anchors.rightMargin: Units.dp(88)
                anchors.bottomMargin: Units.dp(24)
                isMiniSize: true
                iconName: "navigation/close"
                backgroundColor: "white"
            }
        }
    }

    Page {
        id: listPage
        title: "Captures"
        backgroundColor: "white"
        actions: [ Action { iconName: "action/home"; name: "Home" } ]

        ListView {
            id: captureList
            anchors.fill: parent
            clip: true
            model: 12
            header: ListItem.Subheader { text: "Date / Time                    Label" }
            delegate: Item {
                width: captureList.width
                height: Units.dp(40)

                Icon {
                    x: Units.dp(16)
                    anchors.verticalCenter: parent.verticalCenter
                    name: index % 2 ? "action/assessment" : "image/timer"
                    size: Units.dp(20)
                }

                Label {
                    x: Units.dp(56)
                    anchors.verticalCenter: parent.verticalCenter
                    style: "body1"
                    text: "2024-03-" + (10 + index) + " 09:" + (10 + 3 * index) + "      House " + (index + 1)
                }
            }
        }

        Scrollbar {
            flickableItem: captureList
            alwaysShow: true
        }
    }

    Dialog {
        id: dialog
        title: "Confirm selections"
        text: "Blower door test, depressurise, gauge inside, flow device Tornel 3."
        positiveButtonText: "Continue"
        negativeButtonText: "Go back"
        dismissOnTap: false
    }

    Snackbar {
        id: snackbar
        anchors.bottom: parent.bottom
        duration: 0
    }
}
