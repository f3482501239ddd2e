import QtQuick 2.4

// Stand-in for the device's home app; its page comes with the shell.
VeltraApp {
    id: homeApp

    title: "Home"
}
