import QtQuick 2.4
import Material 0.2
import Material.ListItems 0.1 as ListItem

// The capture list: one line per stored reading of the gauge (date and time,
// the test's label, the readings of channels A and B) on one scrolling page.
// For now the captures are a demonstration set, drawn afresh each time the app
// is created: 500 records with random dates up to about 115 days back, in the
// order they were drawn, and the same label and readings.
VeltraApp {
    id: sorvel

    // The captures, each { date, label, chA, chB }. Filled once, on completion;
    // appending does not notify the list view, which is given the model after.
    property var captures: []

    readonly property int __numCaptures: 500
    // How far back a demonstration date may lie, in milliseconds (about 115.7 days).
    readonly property real __maxCaptureAge: 10000000000
    readonly property string __columnGap: "    "

    title: qsTr("SORVEL_APP_TITLE")
    theme.primaryColor: "#335c88"
    theme.accentColor: "#e51937"
    theme.backgroundColor: "#c9d5e3"
    theme.tabHighlightColor: "white"
    initialPage: capturePage

    Component.onCompleted: {
        for (var i = 0; i < __numCaptures; ++i) {
            captures.push({
                "date": new Date(new Date().getTime() - Math.floor(Math.random() * __maxCaptureAge)),
                "label": "Envelope Despress.",
                "chA": "48.4 Pa",
                "chB": "2.7 ACH50"
            });
        }
        captureListView.model = captures;
    }

    // One line of the list: the date as the engine writes it, then label and readings.
    function __captureText(capture) {
        return capture.date + __columnGap + capture.label + __columnGap + capture.chA + __columnGap + capture.chB;
    }

    Page {
        id: capturePage

        objectName: "capturePage"
        title: qsTr("SORVEL_PAGE_TITLE")
        actions: [
            Action {
                objectName: "homeAction"
                iconName: "action/home"
                name: qsTr("HOME_ACTION_NAME")
                onTriggered: sorvel.goHome()
            }
        ]

        Rectangle {
            id: captureContent

            anchors.fill: parent

            ListView {
                id: captureListView

                objectName: "captureListView"
                width: parent.width
                height: parent.height
                clip: true
                // The lines and their heading are wider than the screen: they
                // scroll sideways as well.
                contentWidth: headerItem ? Math.max(width, headerItem.width) : width
                flickableDirection: Flickable.AutoFlickIfNeeded
                model: sorvel.captures
                delegate: captureListItemComponent
                // The column heading; not translated, it lines up with the columns' texts.
                header: ListItem.Subheader {
                    width: Math.max(captureListView.width, implicitWidth)
                    text: "                  Date/Time                                                               Label                                       Ch A           Ch B"
                }
            }

            Component {
                id: captureListItemComponent

                Rectangle {
                    height: Units.dp(36)

                    Image {
                        id: icon

                        source: "qrc:/keyboard.png"
                    }

                    Text {
                        objectName: "captureText"
                        anchors.left: icon.right
                        anchors.leftMargin: Units.dp(16)
                        anchors.top: parent.top
                        font.family: "Roboto"
                        // Plain pixels: the line keeps its length on every screen.
                        font.pixelSize: 12
                        // Labels and readings come from the gauge: never markup.
                        textFormat: Text.PlainText
                        text: sorvel.__captureText(modelData)
                    }
                }
            }

            Scrollbar {
                objectName: "captureScrollbar"
                flickableItem: captureListView
                alwaysShow: true
            }
        }
    }
}
