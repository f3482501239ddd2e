import QtQuick 2.4
import QtTest 1.2
import Material 0.2
import "qrc:/RecorderJournal.js" as Journal
import "ShellHarness.js" as Harness

// The root window with recording apps: loading order, lifecycle signals,
// launch parameters, switching, themes, pages, snackbar, delay, the shared
// keyboard dialog and the auto-off dialog.
TestCase {
    id: testCase

    readonly property string homeId: "com.ostrelle.veltra.RecHome"
    readonly property string aId: "com.ostrelle.veltra.RecA"
    readonly property string bId: "com.ostrelle.veltra.RecB"

    name: "RootApp"
    when: windowShown

    function init() {
        Journal.clear();
    }

    function startShell(startupId) {
        var component = Qt.createComponent("qrc:/VeltraRootApp.qml");
        compare(component.status, Component.Ready, component.errorString());
        var root = createTemporaryObject(component, testCase);
        verify(root);
        // As the host does after loading.
        root.__homeAppId = homeId;
        root.__startupAppId = startupId === undefined ? homeId : startupId;
        root.__singleAppMode = false;
        root.autoOffWarning = false;
        return root;
    }

    function appLoader(root, appId) {
        return Harness.find(root.contentItem, "appLoader_" + appId);
    }

    function app(root, appId) {
        return appLoader(root, appId).item;
    }

    function waitForAllApps(root) {
        tryVerify(function() {
            return Journal.entries.filter(function(e) { return e.name === "create"; }).length === 3;
        }, 5000 * timeoutFactor, "every app created");
    }

    // The colours drawn at `points` of the window, as "#rrggbb" joined by
    // blanks (an image grabbed offscreen by TestCase.grabImage() is empty).
    function pixels(root, points) {
        var colours = null;
        root.contentItem.grabToImage(function(result) {
            colours = points.map(function(p) { return screenProbe.pixelOf(result.image, p.x, p.y); }).join(" ");
        });
        tryVerify(function() { return colours !== null; }, 5000 * timeoutFactor, "the screen grabbed");
        verify(colours.indexOf("#") === 0, "a colour at each point: " + colours);
        return colours;
    }

    // A grid of points over `item`, in the window's coordinates.
    function gridOver(root, item) {
        var points = [];
        for (var row = 1; row <= 3; ++row)
            for (var col = 1; col <= 5; ++col)
                points.push(item.mapToItem(root.contentItem, item.width * col / 6, item.height * row / 4));
        return points;
    }

    function calls(appId) {
        return Harness.names(Journal.of(appId));
    }

    function test_startupAppFirstAndSynchronous() {
        var root = startShell();
        // Within the host's write of the start-up id, the start-up app is
        // loaded, created and started; the others are not there yet.
        compare(calls(homeId), ["create", "start"]);
        compare(Journal.of(homeId)[1].args.length, 1);
        compare(Journal.of(homeId)[1].args[0], undefined);
        compare(calls(aId), []);
        verify(!appLoader(root, homeId).asynchronous);
        verify(appLoader(root, aId).asynchronous);
        // The others begin to load only once a frame has shown the start-up app.
        var watch = Harness.find(root, "firstFrameWatch");
        compare(watch.shown, false);
        verify(!appLoader(root, aId).active);
        verify(!appLoader(root, bId).active);
        compare(Harness.find(root.contentItem, "loaderKeyboardDialog").status, Loader.Null);
        tryCompare(watch, "shown", true, 5000 * timeoutFactor);
        verify(appLoader(root, aId).active);
        waitForAllApps(root);
        compare(calls(aId), ["create"]);
        compare(calls(bId), ["create"]);
        compare(app(root, aId).appId, aId);
        compare(root.__currApp, app(root, homeId));
        // The shared keyboard dialog exists once every app has loaded.
        compare(Harness.find(root.contentItem, "loaderKeyboardDialog").status, Loader.Ready);
    }

    function test_lifecycleAcrossSwitches() {
        var root = startShell();
        waitForAllApps(root);
        Journal.clear();
        root.launchApp(aId);
        compare(calls(homeId), ["pause"]);
        compare(Journal.of(homeId)[0].args.length, 0);
        compare(calls(aId), ["start"]);
        compare(Journal.of(aId)[0].args[0], undefined);
        root.launchApp(homeId);
        root.launchApp(aId, { "mode": "CHANNELMODE_FLOW", "n": 3 });
        compare(calls(aId), ["start", "pause", "resume"]);
        compare(Journal.of(aId)[2].args[0].mode, "CHANNELMODE_FLOW");
        compare(Journal.of(aId)[2].args[0].n, 3);
        compare(calls(homeId), ["pause", "resume", "pause"]);
        // null is a value like any other; launching with it delivers null.
        root.launchApp(bId, null);
        compare(calls(bId), ["start"]);
        compare(Journal.of(bId)[0].args[0], null);
        // Nothing is left waiting for the next switch.
        root.launchApp(homeId);
        compare(Journal.of(homeId)[Journal.of(homeId).length - 1].args[0], undefined);
    }

    function test_goHomeThenLaunchAtOnce() {
        var root = startShell(aId);
        waitForAllApps(root);
        Journal.clear();
        var a = app(root, aId);
        a.goHome();
        a.launch(bId, { "chAInputLbl": "TAP_LABEL_NONE" });
        compare(calls(aId), ["pause"]);
        compare(calls(homeId), ["start", "pause"]);
        compare(calls(bId), ["start"]);
        compare(Journal.of(bId)[0].args[0].chAInputLbl, "TAP_LABEL_NONE");
        compare(root.__currAppId, bId);
    }

    // Parameters belong to the launch that gave them: an app still loading
    // gets its launch's parameters when it is shown; one left before it was
    // shown loses them, and no other app ever receives them.
    function test_parametersBelongToTheirLaunch() {
        var root = startShell();
        verify(appLoader(root, aId).status !== Loader.Ready);
        root.launchApp(aId, { "for": "A" });
        root.launchApp(homeId);
        compare(calls(homeId), ["create", "start", "pause", "resume"]);
        compare(Journal.of(homeId)[3].args[0], undefined);
        root.launchApp(bId, { "for": "B" });
        waitForAllApps(root);
        compare(calls(bId), ["create", "start"]);
        compare(Journal.of(bId)[1].args[0]["for"], "B");
        compare(calls(aId), ["create"]);
        root.launchApp(aId);
        compare(calls(aId), ["create", "start"]);
        compare(Journal.of(aId)[1].args[0], undefined);
        root.launchApp(homeId);
        compare(Journal.of(homeId)[Journal.of(homeId).length - 1].args[0], undefined);
    }

    // A launch asked for in onStart, onResume or onPause is carried out once
    // the switch has finished, with its parameters.
    function test_launchFromAHandlerFollowsTheSwitch() {
        var root = startShell();
        waitForAllApps(root);
        Journal.clear();
        var a = app(root, aId);
        root.launchApp(aId);
        a.redirectOnResume = { "to": bId, "params": { "via": "A" } };
        root.launchApp(homeId);
        root.launchApp(aId);
        a.redirectOnResume = null;
        compare(root.__currAppId, bId);
        compare(calls(aId), ["start", "pause", "resume", "pause"]);
        compare(calls(bId), ["start"]);
        compare(Journal.of(bId)[0].args[0].via, "A");
    }

    function test_launchingAnAppStillLoadingShowsAMessage() {
        var root = startShell();
        var snackbar = Harness.find(root.contentItem, "snackbar");
        verify(!snackbar.opened, "no message at start-up when start-up and home are the same");
        // The other apps are loading in the background right now.
        verify(appLoader(root, aId).status !== Loader.Ready);
        root.launchApp(aId);
        verify(snackbar.opened);
        compare(snackbar.text, "Launching Recording A\u2026");
        tryCompare(snackbar, "opened", false, 5000 * timeoutFactor);
        compare(calls(aId), ["create", "start"]);
    }

    // The message goes when the user goes elsewhere before the app has loaded.
    function test_launchingMessageClosesWhenTheUserSwitchesAway() {
        var root = startShell();
        var snackbar = Harness.find(root.contentItem, "snackbar");
        verify(appLoader(root, aId).status !== Loader.Ready);
        root.launchApp(aId);
        verify(snackbar.opened);
        root.launchApp(homeId);
        verify(!snackbar.opened);
        // Another message is left alone.
        root.launchApp(bId);
        app(root, homeId).showSnackbar("Saved", 5000);
        waitForAllApps(root);
        compare(snackbar.text, "Saved");
        verify(snackbar.opened);
    }

    // Launch parameters are any value, delivered unchanged: an Item (whose
    // object tree the log line must not walk) and an object holding itself.
    function test_anyValueAsParameters() {
        var root = startShell();
        waitForAllApps(root);
        var home = app(root, homeId);
        var cyclic = { "name": "loop" };
        cyclic.self = cyclic;
        home.launch(aId, root.contentItem);
        compare(Journal.of(aId)[1].args[0], root.contentItem);
        home.launch(bId, cyclic);
        compare(root.__currAppId, bId);
        compare(Journal.of(bId)[1].args[0], cyclic);
        compare(home.__describe(cyclic), '{"name":"loop","self":"[seen before]"}');
        compare(home.__describe({ "a": [1, "x", null] }), JSON.stringify({ "a": [1, "x", null] }));
        verify(home.__describe(root).length <= home.__describeLimit + 3);
        // Bounded in time as well: a sparse array of four thousand million
        // places is looked at only as far as the budget goes.
        var sparse = [];
        sparse.length = 4294967294;
        var described = home.__describe(sparse);
        verify(described.indexOf("[null,null") === 0 && described.length <= home.__describeLimit + 3, described);
        var date = new Date(0);
        compare(home.__describe({ "when": date }), JSON.stringify({ "when": date }));
    }

    // Messages lie above open dialogs: the snackbar looks the same with the
    // auto-off warning open as without it.
    function test_snackbarShowsAboveAnOpenDialog() {
        var root = startShell();
        waitForAllApps(root);
        var snackbar = Harness.find(root.contentItem, "snackbar");
        app(root, homeId).showSnackbar("Saved", 10000);
        tryCompare(snackbar, "__sliding", false);
        var point = snackbar.mapToItem(root.contentItem, snackbar.width / 2, snackbar.height / 2);
        var alone = pixels(root, [point]);
        root.autoOffWarning = true;
        var dialog = Harness.find(root.contentItem, "autoOffDialog");
        tryCompare(dialog, "opacity", 1);
        compare(pixels(root, [point]), alone);
        root.autoOffWarning = false;
    }

    // The auto-off warning stays on top of a dialog opened after it, also one
    // that was first opened (and so taken into the overlay) before it.
    function test_warningStaysAboveDialogsOpenedAfterIt() {
        var root = startShell();
        waitForAllApps(root);
        var warning = Harness.find(root.contentItem, "autoOffDialog");
        root.autoOffWarning = true;
        root.autoOffWarning = false;
        tryCompare(warning, "visible", false);
        var keyboard = app(root, homeId).sharedKeyboardDialog();
        keyboard.open();
        keyboard.close();
        tryCompare(keyboard, "visible", false);
        root.autoOffWarning = true;
        tryCompare(warning, "opacity", 1);
        var points = gridOver(root, warning);
        var alone = pixels(root, points);
        keyboard.open();
        tryCompare(keyboard, "opacity", 1);
        compare(pixels(root, points), alone);
        keyboard.close();
        root.autoOffWarning = false;
    }

    function test_goingHomeWhileHomeLoadsShowsNoMessage() {
        var root = startShell(aId);
        var snackbar = Harness.find(root.contentItem, "snackbar");
        verify(appLoader(root, homeId).status !== Loader.Ready);
        app(root, aId).goHome();
        verify(!snackbar.opened);
        tryVerify(function() { return root.__currApp !== null && root.__currApp === app(root, homeId); }, 5000 * timeoutFactor);
        tryVerify(function() { return calls(homeId).indexOf("start") >= 0; }, 5000 * timeoutFactor);
        compare(calls(homeId), ["create", "start"]);
    }

    function test_singleAppModeSwitchesNothing() {
        var root = startShell();
        waitForAllApps(root);
        root.__singleAppMode = true;
        Journal.clear();
        app(root, homeId).launch(aId, { "x": 1 });
        app(root, homeId).goHome();
        compare(Journal.entries.length, 0);
        compare(root.__currAppId, homeId);
    }

    function test_launchingTheCurrentAppChangesNothing() {
        var root = startShell();
        waitForAllApps(root);
        var home = app(root, homeId);
        home.pushSecondPage();
        tryCompare(root.pageStack, "depth", 2);
        Journal.clear();
        root.launchApp(homeId);
        compare(Journal.entries.length, 0);
        compare(root.pageStack.depth, 2);
        // Parameters for the current app are dropped, not left for the next app.
        root.launchApp(homeId, { "stale": true });
        root.launchApp(aId);
        compare(Journal.of(aId)[0].args[0], undefined);
    }

    function test_unknownAppChangesNothing() {
        var root = startShell();
        waitForAllApps(root);
        Journal.clear();
        root.launchApp("com.ostrelle.veltra.Nowhere", { "x": 1 });
        compare(Journal.entries.length, 0);
        compare(root.__currAppId, homeId);
        root.launchApp(aId);
        compare(Journal.of(aId)[0].args[0], undefined);
    }

    function test_themeFollowsTheCurrentApp() {
        var root = startShell();
        waitForAllApps(root);
        compare(String(root.theme.statusBarBackgroundColor), "#e51937");
        compare(String(root.theme.accentColor), "#335c88");
        compare(String(root.theme.primaryDarkColor), "#335c88");
        root.launchApp(bId);
        compare(String(root.theme.statusBarBackgroundColor), "#981125");
        compare(String(root.theme.primaryColor), "#e51937");
        root.launchApp(aId);
        compare(String(root.theme.primaryColor), "#335c88");
        compare(String(root.theme.statusBarBackgroundColor), "#335c88");
        root.launchApp(homeId);
        compare(String(root.theme.statusBarBackgroundColor), "#e51937");
        // A change made while current reaches the window at the next switch.
        var home = app(root, homeId);
        home.theme.primaryColor = "#00ff00";
        compare(String(root.theme.primaryColor), "#e51937");
        root.launchApp(aId);
        root.launchApp(homeId);
        compare(String(root.theme.primaryColor), "#00ff00");
        home.theme.primaryColor = "#e51937";
    }

    function test_appsComeBackOnTheirInitialPage() {
        var root = startShell();
        waitForAllApps(root);
        root.launchApp(aId);
        var a = app(root, aId);
        compare(root.pageStack.currentItem, a.initialPage);
        compare(a.initialPage.actionBar.maxActionCount, 4);
        a.pushSecondPage();
        tryCompare(root.pageStack, "currentItem", a.secondPage);
        a.goHome();
        Journal.clear();
        root.launchApp(aId);
        compare(calls(aId), ["resume"]);
        compare(Journal.of(aId)[0].args[0], undefined);
        compare(root.pageStack.depth, 1);
        compare(root.pageStack.currentItem, a.initialPage);
        compare(root.initialPage, a.initialPage);
        root.launchApp(bId);
        compare(app(root, bId).initialPage.actionBar.maxActionCount, 2);
    }

    function test_snackbarDurations_data() {
        return [
            { tag: "missing", duration: undefined, expected: 2000 },
            { tag: "zero", duration: 0, expected: 2000 },
            { tag: "given", duration: 150, expected: 150 }
        ];
    }
    function test_snackbarDurations(data) {
        var root = startShell();
        waitForAllApps(root);
        var snackbar = Harness.find(root.contentItem, "snackbar");
        var timer = Harness.find(root.contentItem, "snackbarTimer");
        app(root, homeId).showSnackbar("Saved", data.duration);
        verify(snackbar.opened);
        compare(snackbar.text, "Saved");
        compare(timer.interval, data.expected);
        tryCompare(snackbar, "opened", false, data.expected + 3000);
    }

    // Every message is shown for its whole duration from when it appears, and
    // every delay() runs after its own interval. Timers may fire a little
    // early (coarse timers by up to 5 %), never much.
    function test_eachMessageAndDelayKeepsItsOwnTime() {
        var root = startShell();
        waitForAllApps(root);
        var home = app(root, homeId);
        var snackbar = Harness.find(root.contentItem, "snackbar");
        home.showSnackbar("first", 1000);
        wait(500);
        var secondAt = Date.now();
        home.showSnackbar("second", 1000);
        tryCompare(snackbar, "opened", false, 5000 * timeoutFactor);
        verify(Date.now() - secondAt >= 900, "the second message showed for " + (Date.now() - secondAt) + " ms");

        var ran = {};
        var start = Date.now();
        home.callDelay(800, function() { ran.long = Date.now() - start; });
        home.callDelay(100, function() { ran.short = Date.now() - start; });
        tryVerify(function() { return ran.long !== undefined; }, 5000 * timeoutFactor);
        verify(ran.short !== undefined && ran.short < ran.long, JSON.stringify(ran));
        verify(ran.long >= 720, JSON.stringify(ran));
        wait(300);
        compare(Object.keys(ran).length, 2);
    }

    function test_sharedKeyboardDialogIsCreatedOnce() {
        var root = startShell();
        waitForAllApps(root);
        var home = app(root, homeId);
        var first = home.sharedKeyboardDialog();
        verify(first);
        compare(home.sharedKeyboardDialog(), first);
        compare(app(root, aId).sharedKeyboardDialog(), first);
    }

    function test_autoOffDialogFollowsTheWarning() {
        var root = startShell();
        waitForAllApps(root);
        var dialog = Harness.find(root.contentItem, "autoOffDialog") || Harness.find(root.overlayLayer, "autoOffDialog");
        verify(dialog);
        root.autoOffWarning = true;
        tryCompare(dialog, "showing", true);
        compare(dialog.title, "Auto Off");
        // A tap outside the dialog leaves it open.
        mouseClick(root.contentItem, 5, root.height - 5);
        compare(dialog.showing, true);
        root.autoOffWarning = false;
        tryCompare(dialog, "showing", false);
    }
}
