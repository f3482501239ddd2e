import QtQuick 2.4
import QtTest 1.2
import "qrc:/RecorderJournal.js" as Journal
import "../host/shell/ShellHarness.js" as Harness

// Apps that misbehave in their lifecycle handlers, in the real root window: one
// throws in its start handler, one launches the home app, A and itself in a
// loop when it resumes. The shell keeps switching, every app can be left, and
// the lifecycle stays balanced.
TestCase {
    id: testCase

    readonly property string homeId: "com.ostrelle.veltra.RecHome"
    readonly property string aId: "com.ostrelle.veltra.RecA"
    readonly property string throwId: "com.ostrelle.veltra.ThrowStart"
    readonly property string loopId: "com.ostrelle.veltra.LoopResume"
    readonly property var allIds: [homeId, aId, throwId, loopId]
    readonly property var throwWarning: /ThrowStartApp\.qml.*the start handler failed on purpose/

    name: "AppFaults"
    when: windowShown

    function init() {
        Journal.clear();
    }

    function startShell(startupId) {
        var component = Qt.createComponent("qrc:/VeltraRootApp.qml");
        compare(component.status, Component.Ready, component.errorString());
        var root = createTemporaryObject(component, testCase);
        root.__homeAppId = homeId;
        root.__startupAppId = startupId;
        root.__singleAppMode = false;
        root.autoOffWarning = false;
        tryCompare(Harness.find(root.contentItem, "loaderKeyboardDialog"), "status", Loader.Ready, 5000 * timeoutFactor);
        return root;
    }

    function app(root, appId) {
        return Harness.find(root.contentItem, "appLoader_" + appId).item;
    }

    // The ids of the apps on show.
    function shown(root) {
        return allIds.filter(function(id) { return Harness.find(root.contentItem, "appLoader_" + id).visible; });
    }

    // Whether the journal is a valid lifecycle: per app, create first, start
    // once, then resume and pause taking turns.
    function lifecycleProblems() {
        var state = {};
        var problems = [];
        var entries = Journal.of("");
        for (var i = 0; i < entries.length; ++i) {
            var e = entries[i];
            var s = state[e.app] || "none";
            var ok = (e.name === "create" && s === "none")
                || (e.name === "start" && s === "created")
                || (e.name === "resume" && s === "paused")
                || (e.name === "pause" && s === "running");
            if (!ok)
                problems.push(e.app + ": " + e.name + " while " + s);
            if (e.name === "create")
                state[e.app] = "created";
            else if (e.name === "pause")
                state[e.app] = "paused";
            else if (e.name === "start" || e.name === "resume")
                state[e.app] = "running";
        }
        return problems;
    }

    function switchesNormally(root) {
        root.launchApp(aId);
        compare(root.__currAppId, aId);
        compare(root.__currApp, app(root, aId));
        compare(shown(root), [aId]);
        root.launchApp(homeId);
        compare(root.__currAppId, homeId);
        compare(root.__currApp, app(root, homeId));
        compare(shown(root), [homeId]);
        compare(lifecycleProblems(), []);
    }

    function test_throwInStartLeavesTheShellWorking() {
        var root = startShell(homeId);
        ignoreWarning(throwWarning);
        root.launchApp(throwId);
        // The app is current and shows its page, although its handler threw.
        compare(root.__currAppId, throwId);
        compare(root.__currApp, app(root, throwId));
        compare(root.pageStack.currentItem, app(root, throwId).initialPage);
        compare(Harness.names(Journal.of(throwId)), ["create", "start"]);
        // It can be left, and come back to (a resume, which does not throw).
        root.launchApp(aId);
        compare(root.__currAppId, aId);
        compare(Harness.names(Journal.of(throwId)), ["create", "start", "pause"]);
        root.launchApp(throwId);
        compare(Harness.names(Journal.of(throwId)), ["create", "start", "pause", "resume"]);
        app(root, throwId).goHome();
        compare(root.__currAppId, homeId);
        compare(Harness.names(Journal.of(throwId)), ["create", "start", "pause", "resume", "pause"]);
        switchesNormally(root);
    }

    function test_throwingStartupAppStillLoadsTheOthers() {
        ignoreWarning(throwWarning);
        var root = startShell(throwId);
        compare(root.__currAppId, throwId);
        compare(Harness.names(Journal.of(throwId)), ["create", "start"]);
        compare(Harness.names(Journal.of(aId)), ["create"]);
        app(root, throwId).goHome();
        compare(Harness.names(Journal.of(homeId)), ["create", "start"]);
        compare(Harness.names(Journal.of(throwId)), ["create", "start", "pause"]);
        switchesNormally(root);
    }

    function test_launchLoopOnResumeIsBounded() {
        var root = startShell(homeId);
        var looper = app(root, loopId);
        // The first time it starts: no loop.
        root.launchApp(loopId);
        compare(Harness.names(Journal.of(loopId)), ["create", "start"]);
        root.launchApp(aId);
        var before = Journal.of("").length;
        // The resume asks for 150 launches from inside the switch to it. They
        // are carried out once that switch has finished, in order, until the
        // bound on launches in a row stops the chain: home, A, itself (which
        // asks again), home, A, itself, home, A.
        compare(root.__maxRedirects, 8);
        root.launchApp(loopId);
        compare(looper.launchesAsked, 3 * 3 * looper.rounds);
        compare(root.__currAppId, aId);
        compare(root.__currApp, app(root, aId));
        compare(shown(root), [aId]);
        compare(Journal.of("").slice(before).map(function(e) { return e.app + ":" + e.name; }),
                [aId + ":pause", loopId + ":resume",
                 loopId + ":pause", homeId + ":resume", homeId + ":pause", aId + ":resume",
                 aId + ":pause", loopId + ":resume",
                 loopId + ":pause", homeId + ":resume", homeId + ":pause", aId + ":resume",
                 aId + ":pause", loopId + ":resume",
                 loopId + ":pause", homeId + ":resume", homeId + ":pause", aId + ":resume"]);
        // Each launch's parameters reached the app it named.
        var toA = Journal.of(aId).filter(function(e) { return e.name === "resume"; });
        compare(toA[toA.length - 1].args[0].to, aId);
        compare(lifecycleProblems(), []);
        // The app can be left, and the shell switches as usual.
        root.launchApp(homeId);
        compare(root.__currAppId, homeId);
        var homeEntries = Journal.of(homeId);
        compare(homeEntries[homeEntries.length - 1].args, [undefined]);
        switchesNormally(root);
        compare(lifecycleProblems(), []);
        // Back to it: the loop runs again and is bounded again.
        root.launchApp(loopId);
        compare(root.__currAppId, aId);
        compare(looper.launchesAsked, 6 * 3 * looper.rounds);
        compare(lifecycleProblems(), []);
    }
}
