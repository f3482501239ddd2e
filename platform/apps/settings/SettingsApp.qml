import QtQuick 2.4

// Stand-in for the device's settings app; its page comes with the shell.
VeltraApp {
    id: settingsApp

    title: "Settings"
}
