import QtQuick 2.4

// The colour set of a window or an app. statusBarBackgroundColor and
// statusBarForegroundColor are not used by the library itself: they colour the
// status bar that the window's status-centre component draws.
QtObject {
    id: appTheme

    property color primaryColor: Palette.colors.blue["500"]
    property color primaryDarkColor: Palette.colors.blue["700"]
    property color accentColor: Palette.colors.pink["A200"]
    property color backgroundColor: Palette.colors.grey["50"]
    property color tabHighlightColor: accentColor
    property color statusBarBackgroundColor: primaryDarkColor
    property color statusBarForegroundColor: "white"
}
