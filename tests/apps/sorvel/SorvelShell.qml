import QtQuick 2.4
import Material 0.2

// A stand-in for the shell's window around the capture list, which the shell
// itself never lists: a device screen (480 x 272 dp) with a status bar in the
// app's colours, the action bar and the page stack. It loads "SorvelApp.qml"
// from the resource root, as the shell loads an app, makes it current
// (create(), its colours, its initial page, start()) and records every
// launchApp() call instead of switching.
ApplicationWindow {
    id: shellWindow

    // What an app finds in the shell's scope.
    property string __homeAppId: "com.ostrelle.veltra.Home"
    property int statusBarHeight: Units.dp(26)
    // The app, once loaded.
    readonly property VeltraApp app: appLoader.item
    // Every launchApp() call: { appId, params, argumentCount }.
    property var launches: []

    width: Units.dp(480)
    height: Units.dp(272)
    title: "Sorvel"
    color: "#ffffff"
    toolbarTopMargin: statusBarHeight
    statusCenterComponent: statusBarComponent

    function launchApp(appId, params) {
        console.log("SorvelShell.launchApp() " + appId);
        var list = launches;
        list.push({ "appId": appId, "params": params, "argumentCount": arguments.length });
        launches = list;
    }

    function __showApp(app) {
        theme.primaryColor = app.theme.primaryColor;
        theme.primaryDarkColor = app.theme.primaryDarkColor;
        theme.accentColor = app.theme.accentColor;
        theme.backgroundColor = app.theme.backgroundColor;
        theme.tabHighlightColor = app.theme.tabHighlightColor;
        theme.statusBarBackgroundColor = app.theme.statusBarBackgroundColor;
        theme.statusBarForegroundColor = app.theme.statusBarForegroundColor;
        if (app.initialPage) {
            pageStack.clear();
            pageStack.push({ "item": app.initialPage, "replace": true, "immediate": true });
            initialPage = app.initialPage;
            app.initialPage.actionBar.maxActionCount = app.actionBarMaxActionCount;
        }
    }

    Component {
        id: statusBarComponent

        Rectangle {
            objectName: "statusBar"
            height: shellWindow.statusBarHeight
            color: shellWindow.theme.statusBarBackgroundColor
        }
    }

    Loader {
        id: appLoader

        objectName: "appLoader"
        y: shellWindow.statusBarHeight
        width: parent.width
        height: parent.height - y
        source: "SorvelApp.qml"
        onLoaded: {
            item.appId = "com.ostrelle.veltra.Sorvel";
            item.create();
            shellWindow.__showApp(item);
            item.start(undefined);
        }
    }
}
