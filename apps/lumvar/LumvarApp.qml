import QtQuick 2.4

// The tubing wizard. Its pages come with the wizard's own work; until then the
// app shows nothing of its own.
VeltraApp {
    id: lumvar

    title: qsTr("LUMVAR_APP_TITLE")
}
