import QtQuick 2.4

// The colours an app shows in: the shell copies all seven into the window each
// time the app becomes current.
QtObject {
    id: veltraTheme

    property color primaryColor: "#e51937"
    property color primaryDarkColor: "#335c88"
    property color accentColor: "#6e93b9"
    property color backgroundColor: "#c9d5e3"
    property color tabHighlightColor: "white"
    // Follows the primary colour until the app sets a colour of its own.
    property color statusBarBackgroundColor: primaryColor
    property color statusBarForegroundColor: "white"
}
