import QtQuick 2.4
import com.zel 1.0
import "qrc:/RecorderJournal.js" as Journal
import "../host/shell/ShellHarness.js" as Harness

// Drives the real root window for the soak test (tst_soak.cpp): app switches,
// dialogs and the tubing wizard, each function returning what went wrong as a
// list of lines (empty when all went right). The recording apps write every
// lifecycle call to the journal; checkJournal() checks and then empties it, so
// that the journal does not grow from one round to the next.
Item {
    id: driver

    readonly property string homeId: "com.ostrelle.veltra.RecHome"
    readonly property string aId: "com.ostrelle.veltra.RecA"
    readonly property string bId: "com.ostrelle.veltra.RecB"
    readonly property string lumvarId: "com.ostrelle.veltra.Lumvar"
    readonly property var targets: [homeId, aId, bId, lumvarId]
    readonly property var recorderIds: [homeId, aId, bId]

    property var root: null
    property var zelDialog: null
    property var numberDialog: null
    // Switches made so far (a change of the current app).
    property int switchCount: 0
    // Parameters handed over and checked at their target.
    property int paramsChecked: 0
    // Lifecycle calls checked so far.
    property int callsChecked: 0
    // Per recording app: "created", "running" or "paused", across rounds.
    property var __state: ({})

    // What NumberInputDialog's keypad reaches by plain name, as in the window.
    VirtualKeyboard {
        id: vKeyboard
    }

    function start() {
        Journal.clear();
        var component = Qt.createComponent("qrc:/VeltraRootApp.qml");
        if (component.status !== Component.Ready)
            return ["VeltraRootApp.qml: " + component.errorString()];
        root = component.createObject(driver, {
            "__homeAppId": homeId, "__startupAppId": homeId, "__singleAppMode": false, "autoOffWarning": false
        });
        var zel = Qt.createComponent("qrc:/ZelDialog.qml");
        zelDialog = zel.createObject(root.contentItem, { "title": "Soak", "text": "Soak dialog" });
        var number = Qt.createComponent("qrc:/NumberInputDialog.qml");
        numberDialog = number.createObject(root.contentItem, { "inputLabel": "Soak", "initialValue": "12" });
        if (!zelDialog || !numberDialog)
            return ["a dialog did not load: " + zel.errorString() + number.errorString()];
        return [];
    }

    // Whether every app has loaded and the shared keyboard dialog is there.
    function ready() {
        var loader = Harness.find(root.contentItem, "loaderKeyboardDialog");
        return loader !== null && loader.status === Loader.Ready;
    }

    // The app objects by id, looked up once.
    property var __apps: ({})

    function app(appId) {
        if (!__apps[appId])
            __apps[appId] = Harness.find(root.contentItem, "appLoader_" + appId).item;
        return __apps[appId];
    }

    function isRecorder(appId) {
        return recorderIds.indexOf(appId) >= 0;
    }

    // The last start or resume of `appId` in the journal: it must be newer than
    // `since` (an index into the journal) and carry `params`.
    function __checkArrival(appId, since, params, problems, what) {
        if (!isRecorder(appId))
            return;
        var entries = Journal.entries;
        for (var i = entries.length - 1; i >= since; --i) {
            var e = entries[i];
            if (e.app !== appId || (e.name !== "start" && e.name !== "resume"))
                continue;
            var got = e.args[0];
            if (params === undefined ? got !== undefined
                                     : (!got || got.to !== params.to || got.n !== params.n))
                problems.push(what + ": " + appId + " got " + JSON.stringify(got) + " for " + JSON.stringify(params));
            else
                paramsChecked += params === undefined ? 0 : 1;
            return;
        }
        problems.push(what + ": " + appId + " was neither started nor resumed");
    }

    function __expectCurrent(appId, problems, what) {
        if (root.__currAppId !== appId || root.__currApp !== app(appId))
            problems.push(what + ": " + root.__currAppId + " is current, not " + appId);
    }

    function __launch(appId, params, problems, what) {
        var before = root.__currAppId;
        var since = Journal.entries.length;
        if (params === undefined)
            root.launchApp(appId);
        else
            root.launchApp(appId, params);
        __expectCurrent(appId, problems, what);
        if (before !== appId)
            switchCount += 1;
        __checkArrival(appId, since, params, problems, what);
    }

    // `count` switches, serials from `first` on: plain launches, launches with
    // parameters, and goHome() from the current app followed at once by its
    // launch() of another app with parameters (two switches).
    function switches(count, first) {
        var problems = [];
        var done = 0;
        for (var n = first; done < count; ++n) {
            var current = root.__currAppId;
            var target = targets[n % targets.length];
            if (target === current)
                target = targets[(n + 1) % targets.length];
            var what = "switch " + n;
            var params = { "to": target, "n": n };
            switch (n % 3) {
            case 0:
                __launch(target, undefined, problems, what);
                done += 1;
                break;
            case 1:
                __launch(target, params, problems, what);
                done += 1;
                break;
            default:
                if (target === homeId)
                    target = aId;
                params.to = target;
                var from = root.__currApp;
                var since = Journal.entries.length;
                from.goHome();
                __expectCurrent(homeId, problems, what + " (home)");
                if (current !== homeId) {
                    switchCount += 1;
                    done += 1;
                    __checkArrival(homeId, since, undefined, problems, what + " (home)");
                }
                since = Journal.entries.length;
                from.launch(target, params);
                __expectCurrent(target, problems, what);
                switchCount += 1;
                done += 1;
                __checkArrival(target, since, params, problems, what);
                break;
            }
        }
        return problems;
    }

    // Opens and closes each dialog `count` times: a ZelDialog, the shared
    // keyboard dialog, a NumberInputDialog and the auto-off dialog.
    function dialogs(count) {
        var problems = [];
        var keyboardLoader = Harness.find(root.contentItem, "loaderKeyboardDialog");
        var autoOff = Harness.find(root.contentItem, "autoOffDialog");
        if (!autoOff && root.overlayLayer)
            autoOff = Harness.find(root.overlayLayer, "autoOffDialog");
        for (var i = 0; i < count; ++i) {
            var keyboard = keyboardLoader.instance();
            var shown = [];
            zelDialog.open();
            shown.push(zelDialog.showing);
            zelDialog.close();
            keyboard.show({ "inputLabel": "Soak " + i, "initialValue": String(i) });
            shown.push(keyboard.showing && keyboard.value === String(i));
            keyboard.close();
            numberDialog.open();
            shown.push(numberDialog.showing);
            numberDialog.close();
            root.autoOffWarning = true;
            shown.push(autoOff !== null && autoOff.showing);
            root.autoOffWarning = false;
            var closed = !zelDialog.showing && !keyboard.showing && !numberDialog.showing
                && autoOff !== null && !autoOff.showing;
            if (shown.indexOf(false) >= 0 || !closed)
                problems.push("dialogs " + i + ": opened " + JSON.stringify(shown) + ", all closed " + closed);
        }
        return problems;
    }

    // The wizard through every path of its decision tree, `passes` times, by
    // its tiles' clicked() signal.
    function wizard(passes) {
        var problems = [];
        var wizardApp = app(lumvarId);
        var paths = wizardApp.__decisionTree.paths;
        if (paths.length !== 30)
            problems.push("the wizard has " + paths.length + " paths, not 30");
        for (var p = 0; p < passes; ++p) {
            for (var i = 0; i < paths.length; ++i) {
                var segments = paths[i].split("/");
                var keys = segments.slice(1, segments.length - 1);
                var fields = segments[segments.length - 1].split(":");
                __launch(homeId, undefined, problems, paths[i]);
                __launch(lumvarId, undefined, problems, paths[i]);
                for (var k = 0; k < keys.length; ++k) {
                    var page = root.pageStack.currentItem;
                    var tile = Harness.find(page, "tile_" + keys[k]);
                    if (!tile) {
                        problems.push(paths[i] + ": no tile " + keys[k] + " on " + page.title);
                        break;
                    }
                    tile.clicked();
                    if (root.pageStack.currentItem === page) {
                        problems.push(paths[i] + ": " + keys[k] + " led nowhere");
                        break;
                    }
                }
                var result = root.pageStack.currentItem;
                var labels = fields.map(function(f) { return "TAP_LABEL_" + f; });
                if (result.objectName !== "connectionsPage"
                        || JSON.stringify([result.chAInputLbl, result.chARefLbl, result.chBInputLbl, result.chBRefLbl])
                           !== JSON.stringify(labels))
                    problems.push(paths[i] + ": ended on " + result.objectName);
                if (!wizardApp.__confirmDialog.showing)
                    problems.push(paths[i] + ": no confirm dialog");
                wizardApp.__confirmDialog.close();
            }
        }
        return problems;
    }

    // Checks the journal since the last check, then empties it: per recording
    // app, create first, one start, then resume and pause taking turns; every
    // parameter at the app it names.
    function checkJournal() {
        var problems = [];
        var entries = Journal.entries;
        for (var i = 0; i < entries.length; ++i) {
            var e = entries[i];
            var s = __state[e.app] || "none";
            var ok = (e.name === "create" && s === "none")
                || (e.name === "start" && s === "created")
                || (e.name === "resume" && s === "paused")
                || (e.name === "pause" && s === "running");
            if (!ok)
                problems.push(e.app + ": " + e.name + " while " + s);
            if (e.name === "create") {
                __state[e.app] = "created";
            } else if (e.name === "pause") {
                __state[e.app] = "paused";
            } else {
                __state[e.app] = "running";
                var params = e.args[0];
                if (params !== undefined && (params === null || params.to !== e.app))
                    problems.push(e.app + ": " + e.name + " with " + JSON.stringify(params));
            }
        }
        callsChecked += entries.length;
        Journal.clear();
        return problems.slice(0, 20);
    }
}
