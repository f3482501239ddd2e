import QtQuick 2.4

// Stand-in for the device's power app; its page comes with the shell.
VeltraApp {
    id: powerApp

    title: "Power Off"
}
