import QtQuick 2.4

// Stand-in for the device's gauge app; its page comes with the shell.
VeltraApp {
    id: gaugeApp

    title: "Gauge"
}
