import QtQuick 2.4

// The capture list. Its page comes with the capture list's own work.
VeltraApp {
    id: sorvel

    title: qsTr("SORVEL_APP_TITLE")
}
