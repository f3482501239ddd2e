import QtQuick 2.4
import QtQuick.Window 2.2

// Start-up window until the Material shell lands: it declares the properties
// the host writes after loading and shows which app would start.
Window {
    id: rootApp

    property string __homeAppId: ""
    property string __startupAppId: ""
    property bool __singleAppMode: false
    property bool autoOffWarning: false

    width: 480
    height: 272
    minimumWidth: width
    maximumWidth: width
    minimumHeight: height
    maximumHeight: height
    visible: true
    color: "#ffffff"
    title: "Veltra"

    Text {
        anchors.centerIn: parent
        text: "Veltra\n" + rootApp.__startupAppId
        horizontalAlignment: Text.AlignHCenter
        font.pixelSize: 24
    }
}
