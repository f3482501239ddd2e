import QtQuick 2.4

// Stand-in for the device's updates app; its page comes with the shell.
VeltraApp {
    id: updatesApp

    title: "Updates"
}
