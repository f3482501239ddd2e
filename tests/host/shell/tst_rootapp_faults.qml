import QtQuick 2.4
import QtTest 1.2
import "qrc:/RecorderJournal.js" as Journal
import "ShellHarness.js" as Harness
import "../../support/qml/Taps.js" as Taps

// Apps whose QML fails to load (a syntax error, a missing file, a root that is
// no VeltraApp) never stall the shell: they count as loaded, the others still
// load and start, and a failed start-up app gives way to the home app. Launched,
// a failed app shows an error page with what went wrong and a way home.
TestCase {
    id: testCase

    readonly property string homeId: "com.ostrelle.veltra.RecHome"
    readonly property string aId: "com.ostrelle.veltra.RecA"
    readonly property var faultyIds: ["com.ostrelle.veltra.RecBroken", "com.ostrelle.veltra.RecNotApp",
                                      "com.ostrelle.veltra.RecMissing"]

    name: "RootAppFaults"
    when: windowShown

    function init() {
        Journal.clear();
    }

    // Loading the broken apps logs the engine's own errors; they are what this
    // test is about, so they are expected here.
    function expectLoadErrors() {
        ignoreWarning(/RecBrokenApp\.qml/);
        ignoreWarning(/RecMissingApp\.qml/);
    }

    function startShell(startupId, homeAppId) {
        var component = Qt.createComponent("qrc:/VeltraRootApp.qml");
        compare(component.status, Component.Ready, component.errorString());
        var root = createTemporaryObject(component, testCase);
        root.__homeAppId = homeAppId === undefined ? homeId : homeAppId;
        root.__startupAppId = startupId;
        root.__singleAppMode = false;
        root.autoOffWarning = false;
        return root;
    }

    function keyboardDialogLoader(root) {
        return Harness.find(root.contentItem, "loaderKeyboardDialog");
    }

    function test_faultyAppsCountAsLoaded() {
        expectLoadErrors();
        var root = startShell(homeId);
        tryCompare(keyboardDialogLoader(root), "status", Loader.Ready, 5000 * timeoutFactor);
        compare(Harness.names(Journal.of(homeId)), ["create", "start"]);
        compare(Harness.names(Journal.of(aId)), ["create"]);
        root.launchApp(aId);
        compare(Harness.names(Journal.of(aId)), ["create", "start"]);
        // A failed app is launched like any other: A pauses, its error page shows.
        root.launchApp(faultyIds[0]);
        compare(root.__currAppId, faultyIds[0]);
        compare(root.__currApp, null);
        compare(root.pageStack.currentItem.objectName, "appErrorPage");
        compare(Harness.names(Journal.of(aId)), ["create", "start", "pause"]);
        for (var i = 1; i < faultyIds.length; ++i) {
            root.launchApp(faultyIds[i]);
            compare(root.__currAppId, faultyIds[i]);
            compare(root.pageStack.currentItem.title, Harness.find(root.contentItem, "appLoader_" + faultyIds[i]).title);
        }
        root.launchApp(aId);
        compare(Harness.names(Journal.of(aId)), ["create", "start", "pause", "resume"]);
        verify(root.__currApp !== null);
    }

    // The error page of each kind of failure: the shell's heading, the
    // engine's message (or the shell's reason) as plain text, a button home.
    function test_failedAppShowsItsErrorPage_data() {
        return [
            { tag: "syntax error", id: "com.ostrelle.veltra.RecBroken", title: "Recording Broken",
              details: /^qrc:\/RecBrokenApp\.qml:\d+ .+/ },
            { tag: "not an app", id: "com.ostrelle.veltra.RecNotApp", title: "Not an app",
              details: /^The root of RecNotAppApp\.qml is not a VeltraApp\.$/ },
            { tag: "missing file", id: "com.ostrelle.veltra.RecMissing", title: "Missing QML",
              details: /^qrc:\/RecMissingApp\.qml:-?\d+ No such file or directory/ }
        ];
    }
    function test_failedAppShowsItsErrorPage(data) {
        expectLoadErrors();
        var root = startShell(homeId);
        tryCompare(keyboardDialogLoader(root), "status", Loader.Ready, 5000 * timeoutFactor);
        root.launchApp(data.id);
        var page = root.pageStack.currentItem;
        compare(page.objectName, "appErrorPage");
        compare(page.title, data.title);
        tryCompare(root.pageStack, "busy", false);
        var heading = Harness.find(page, "errorHeading");
        compare(heading.text, "This app could not be started.");
        verify(heading.visible);
        var details = Harness.find(page, "errorDetails");
        compare(details.textFormat, Text.PlainText);
        verify(data.details.test(details.text), details.text);
        // The shell's colours, not those of the app shown before.
        compare(String(root.theme.primaryColor), String(root.__failedAppTheme.primaryColor));
        var home = Harness.find(page, "homeButton");
        verify(home.visible);
        Taps.tap(testCase, home);
        compare(root.__currAppId, homeId);
        compare(Harness.names(Journal.of(homeId)), ["create", "start", "pause", "resume"]);
        // Launched again: the same page, and a way home still.
        root.launchApp(data.id);
        compare(root.pageStack.currentItem, page);
    }

    // A failed home app offers no way home from another failed app's page.
    function test_noHomeButtonWithoutAHomeApp() {
        expectLoadErrors();
        var root = startShell(homeId, "com.ostrelle.veltra.RecBroken");
        tryCompare(keyboardDialogLoader(root), "status", Loader.Ready, 5000 * timeoutFactor);
        root.launchApp("com.ostrelle.veltra.RecNotApp");
        verify(!Harness.find(root.pageStack.currentItem, "homeButton").visible);
    }

    function test_failedStartupAppGivesWayToHome_data() {
        return [
            { tag: "syntax error", id: "com.ostrelle.veltra.RecBroken" },
            { tag: "not an app", id: "com.ostrelle.veltra.RecNotApp" },
            { tag: "missing file", id: "com.ostrelle.veltra.RecMissing" },
            { tag: "not listed", id: "com.ostrelle.veltra.Nowhere" },
            // Kept empty in the file: written by the host, it changes nothing.
            { tag: "empty", id: "" }
        ];
    }
    // Without a home app to show either, the first app that can be shown is.
    function test_noHomeAppEither_data() {
        return [
            { tag: "empty home id", home: "" },
            { tag: "unlisted home id", home: "com.ostrelle.veltra.Nowhere" },
            { tag: "home app broken", home: "com.ostrelle.veltra.RecBroken" }
        ];
    }
    function test_noHomeAppEither(data) {
        expectLoadErrors();
        var root = startShell("", data.home);
        tryCompare(keyboardDialogLoader(root), "status", Loader.Ready, 5000 * timeoutFactor);
        tryVerify(function() { return root.__currApp !== null; }, 5000 * timeoutFactor);
        var shown = root.__currAppId;
        verify(faultyIds.indexOf(shown) < 0, shown);
        verify(Harness.names(Journal.of(shown)).indexOf("start") >= 0);
    }

    function test_failedStartupAppGivesWayToHome(data) {
        expectLoadErrors();
        var root = startShell(data.id);
        tryCompare(keyboardDialogLoader(root), "status", Loader.Ready, 5000 * timeoutFactor);
        tryCompare(root, "__currAppId", homeId);
        tryVerify(function() { return Harness.names(Journal.of(homeId)).indexOf("start") >= 0; }, 5000 * timeoutFactor);
        compare(Harness.names(Journal.of(homeId)), ["create", "start"]);
        compare(Harness.names(Journal.of(aId)), ["create"]);
    }
}
