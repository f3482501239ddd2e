import QtQuick 2.4

Rectangle {
    id: keyTarget

    width: 120
    height: 40
    color: "white"

    TextInput {
        id: field

        objectName: "field"
        anchors.fill: parent
    }
}
