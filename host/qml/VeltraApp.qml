import QtQuick 2.4
import Material 0.2

// The contract between the shell and an app: the app fills in its title,
// colours and first page; the shell sets appId and drives the lifecycle
// signals. goHome() and launch() switch to another app.
Item {
    id: veltraApp

    signal create()
    signal start(var params)
    signal resume(var params)
    signal pause()
    // Declared for apps; the shell never emits it: apps stay loaded until the program ends.
    signal stop()

    property string title: ""
    property string appId: ""
    property VeltraTheme theme: VeltraTheme {
        primaryColor: "#e51937"
        backgroundColor: "#c9d5e3"
        accentColor: "#335c88"
        tabHighlightColor: "white"
    }
    property Page initialPage: null
    property int actionBarMaxActionCount: 4

    function goHome() {
        console.log("VeltraApp.goHome()");
        launch(__homeAppId);
    }

    // `params`, when passed (null included), reaches the target's start or resume unchanged.
    function launch(appId, params) {
        if (params === undefined) {
            console.log("VeltraApp.launch() " + appId);
            launchApp(appId);
        } else {
            console.log("VeltraApp.launch() " + appId + ", " + JSON.stringify(params));
            launchApp(appId, params);
        }
    }
}
