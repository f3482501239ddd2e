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

    // Bounds of the launch parameters' description in the log.
    readonly property int __describeLimit: 500
    readonly property int __describeMaxValues: 200

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
            console.log("VeltraApp.launch() " + appId + ", " + __describe(params));
            launchApp(appId, params);
        }
    }

    // The JSON text of `value` for the log, made safe for any value: objects
    // of Qt (an Item and its whole tree) are named, not walked; an object met
    // again is marked, not repeated; the text is cut after __describeLimit
    // characters; nothing is thrown.
    function __describe(value) {
        var seen = [];
        var values = 0;
        var text;
        try {
            text = JSON.stringify(value, function(key, v) {
                if (++values > __describeMaxValues)
                    return undefined;
                if (v === null || typeof v !== "object")
                    return v;
                var name = String(v);
                if (/^[A-Za-z_][\w:]*\(0x[0-9a-fA-F]+/.test(name))
                    return name;
                if (seen.indexOf(v) >= 0)
                    return "[seen before]";
                seen.push(v);
                return v;
            });
        } catch (error) {
            try {
                text = "(" + String(error) + ")";
            } catch (ignored) {
                text = "(not describable)";
            }
        }
        text = String(text);
        return text.length > __describeLimit ? text.substring(0, __describeLimit) + "..." : text;
    }
}
