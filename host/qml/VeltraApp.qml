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

    // The JSON text of `value` for the log, made safe for any value and
    // bounded in time as well as length: objects of Qt (an Item and its whole
    // tree) are named, not walked; an object met again is marked; at most
    // __describeMaxValues values are looked at, however long an array or
    // object is; the text is cut after __describeLimit characters; nothing is
    // thrown. For plain data it is what JSON.stringify() gives.
    function __describe(value) {
        var seen = [];
        var budget = __describeMaxValues;
        function describe(v, inArray) {
            --budget;
            if (v === undefined || typeof v === "function" || typeof v === "symbol")
                return inArray ? "null" : undefined;
            if (v === null || typeof v === "boolean")
                return String(v);
            if (typeof v === "number")
                return isFinite(v) ? String(v) : "null";
            if (typeof v === "string")
                return JSON.stringify(v);
            if (typeof v.toJSON === "function")
                return describe(v.toJSON(), inArray);
            // An object of Qt (every one has the objectNameChanged signal):
            // named by its type and address. String() of anything else
            // could be as long as the object (an array joins its elements).
            if (!Array.isArray(v) && typeof v.objectNameChanged === "function")
                return JSON.stringify(String(v));
            if (seen.indexOf(v) >= 0)
                return "\"[seen before]\"";
            seen.push(v);
            var parts = [];
            if (Array.isArray(v)) {
                for (var i = 0; i < v.length; ++i) {
                    if (budget <= 0) {
                        parts.push("\"...\"");
                        break;
                    }
                    parts.push(describe(v[i], true));
                }
                return "[" + parts.join(",") + "]";
            }
            for (var key in v) {
                if (budget-- <= 0) {
                    parts.push("\"...\":\"...\"");
                    break;
                }
                if (!Object.prototype.hasOwnProperty.call(v, key))
                    continue;
                var item = describe(v[key], false);
                if (item !== undefined)
                    parts.push(JSON.stringify(key) + ":" + item);
            }
            return "{" + parts.join(",") + "}";
        }
        var text;
        try {
            text = String(describe(value, false));
        } catch (error) {
            text = "(not describable)";
        }
        return text.length > __describeLimit ? text.substring(0, __describeLimit) + "..." : text;
    }
}
