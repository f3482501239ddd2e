import QtQuick 2.4
import Material 0.2

// Shown in place of an app whose main QML file did not load, when that app is
// launched: what went wrong, as the engine said it (plain text, never markup),
// and the way back to the home app.
Page {
    id: appErrorPage

    signal homeRequested()

    // The app's title, in the action bar.
    property string appTitle: ""
    // The engine's errors or the shell's reason, shown as they are.
    property string details: ""
    property bool canGoHome: true

    readonly property real __margin: Units.dp(16)

    objectName: "appErrorPage"
    title: appTitle

    Flickable {
        anchors.fill: parent
        contentWidth: width
        contentHeight: errorColumn.height + 2 * appErrorPage.__margin
        clip: true

        Column {
            id: errorColumn

            x: appErrorPage.__margin
            y: appErrorPage.__margin
            width: parent.width - 2 * appErrorPage.__margin
            spacing: Units.dp(12)

            Label {
                objectName: "errorHeading"
                width: parent.width
                style: "subheading"
                wrapMode: Text.Wrap
                text: qsTr("APP_ERROR_PAGE_HEADING")
            }

            Label {
                objectName: "errorDetails"
                width: parent.width
                style: "body1"
                color: Theme.light.subTextColor
                wrapMode: Text.WrapAnywhere
                textFormat: Text.PlainText
                text: appErrorPage.details
            }

            Button {
                objectName: "homeButton"
                visible: appErrorPage.canGoHome
                elevation: 1
                text: qsTr("APP_ERROR_PAGE_HOME")
                onClicked: appErrorPage.homeRequested()
            }
        }
    }
}
