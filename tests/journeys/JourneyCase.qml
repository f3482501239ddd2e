import QtQuick 2.4
import QtTest 1.2
import "Journey.js" as Journey

// The base of every journey: the real root window started as the host starts
// it (with the auto-off watch armed on it), and a person's hands: a tap is a
// touch on the screen (press, 80 ms, release) or a mouse press held as long,
// a swipe moves the finger in steps, keys are typed on the on-screen keyboard
// one by one. Nothing is clicked by calling it and no signal is emitted by
// hand. After each journey no QML warning may have been logged and the
// watch must not have powered off.
TestCase {
    id: journeyCase

    readonly property string homeId: "com.ostrelle.veltra.Home"
    readonly property string gaugeId: "com.ostrelle.veltra.Gauge"
    readonly property string lumvarId: "com.ostrelle.veltra.Lumvar"
    readonly property string updatesId: "com.ostrelle.veltra.Updates"
    readonly property string settingsId: "com.ostrelle.veltra.Settings"
    readonly property string powerId: "com.ostrelle.veltra.Power"
    readonly property string probeId: "com.ostrelle.veltra.JourneyProbe"
    readonly property string redirectId: "com.ostrelle.veltra.JourneyRedirect"
    readonly property string chainId: "com.ostrelle.veltra.JourneyChain"
    readonly property string slowId: "com.ostrelle.veltra.JourneySlow"
    // How long a finger rests on the screen in a tap, and in each tap of a
    // quick double tap by touch.
    readonly property int holdMs: 80
    readonly property int quickHoldMs: 60
    // How long a person takes between one tap and the next.
    readonly property int paceMs: 120
    // The root window of the running journey.
    property var root: null

    when: windowShown

    function initTestCase() {
        journey.watchLog();
    }

    function cleanup() {
        var powerOffs = journey.powerOffStarts();
        // Auto-off as the device file says by default: disabled.
        simulatedDevice.write("");
        journey.stopAutoOffWatch();
        root = null;
        var warnings = journey.takeQmlWarnings();
        verify(warnings === "", "QML warnings or errors during the journey:\n" + warnings);
        compare(powerOffs, 0, "power-off commands started");
    }

    // `milliseconds` scaled by VELTRA_TIMEOUT_FACTOR.
    function t(milliseconds) {
        return milliseconds * timeoutFactor;
    }

    // The root window as the host makes it, shown; with `waitForAll`
    // (default) also every app loaded and the keyboard dialog made.
    // `prepare(shell)`, when given, runs before the start-up app is set.
    // A row that taps during an animation needs the animation still running
    // when the tap comes; a machine too busy to get there in time (the
    // sanitizer build under load) skips the row and says so, rather than
    // testing the settled screen under its name.
    function requireRunning(running, what) {
        if (!running)
            skip(what + " had already ended: this machine was too slow to tap during it");
    }

    function startShell(startupId, waitForAll, prepare) {
        journey.clearLog();
        var component = Qt.createComponent("qrc:/VeltraRootApp.qml");
        compare(component.status, Component.Ready, component.errorString());
        var shell = createTemporaryObject(component, journeyCase);
        verify(shell);
        root = shell;
        if (prepare)
            prepare(shell);
        shell.__homeAppId = homeId;
        shell.__startupAppId = startupId === undefined ? homeId : startupId;
        shell.__singleAppMode = false;
        shell.autoOffWarning = false;
        journey.watchAutoOff(shell);
        tryVerify(function() { return Journey.find(shell, "firstFrameWatch").shown; }, t(10000), "a first frame");
        if (waitForAll !== false)
            tryCompare(Journey.find(shell.contentItem, "loaderKeyboardDialog"), "status", Loader.Ready, t(10000),
                       "every app loaded");
        waitForApp(shell.__startupAppId);
        return shell;
    }

    function loaderOf(appId) {
        var loader = Journey.find(root.contentItem, "appLoader_" + appId);
        verify(loader, "a loader for " + appId);
        return loader;
    }

    function app(appId) {
        return loaderOf(appId).item;
    }

    // Waits until `appId` is current and shows `page` (default: its first
    // page), the page change done.
    function waitForApp(appId, page) {
        tryCompare(root, "__currAppId", appId, t(5000));
        tryVerify(function() { return loaderOf(appId).status === Loader.Ready && root.__currApp === app(appId); },
                  t(10000), appId + " current");
        var expected = page === undefined ? app(appId).initialPage : page;
        tryVerify(function() { return root.pageStack.currentItem === expected; }, t(5000),
                  appId + " shows " + (expected ? expected.objectName || expected.title : expected));
        tryCompare(root.pageStack, "busy", false, t(5000));
        return app(appId);
    }

    // At the end of a journey: `appId` is current and alone on screen, and
    // `page` (default: its first page) is the page shown.
    function expectShown(appId, page) {
        var shown = waitForApp(appId, page);
        var visibleApps = Journey.findAll(root.contentItem, "appLoader_").filter(function(l) { return l.visible; });
        compare(visibleApps.map(function(l) { return l.objectName; }), ["appLoader_" + appId], "apps on screen");
        return shown;
    }

    // The centre of `item` in window coordinates.
    function centreOf(item) {
        return item.mapToItem(null, item.width / 2, item.height / 2);
    }

    // A finger (how "touch", the default) or the mouse ("mouse") pressed at
    // (x, y) of the window for `hold` ms. Returns what the press reached, as
    // seen when it came down: { item, dialog (the dialog it lies in, or
    // null), dialogOpen (whether that dialog was open, not closing) }.
    function tapAt(x, y, how, hold) {
        var target = root.contentItem;
        var item = Journey.hitTest(target, x, y);
        var dialog = item ? Journey.dialogOf(item) : null;
        var hit = { "item": item, "dialog": dialog, "dialogOpen": dialog !== null && dialog.showing };
        if (how === "mouse") {
            mousePress(target, x, y, Qt.LeftButton);
            wait(hold === undefined ? holdMs : hold);
            mouseRelease(target, x, y, Qt.LeftButton);
        } else {
            var touch = touchEvent(target);
            touch.press(0, target, x, y).commit();
            wait(hold === undefined ? holdMs : hold);
            touch.release(0, target, x, y).commit();
        }
        return hit;
    }

    // A tap at the centre of `item`, scrolled into view first.
    function tap(item, how) {
        verify(item, "something to tap");
        bringIntoView(item);
        var p = centreOf(item);
        return tapAt(p.x, p.y, how);
    }

    // Two taps at the centre of `item`, `gap` ms apart (a finger rests a
    // little shorter in each than in a single tap). Returns what each press
    // reached, each seen at the moment of its press.
    function doubleTap(item, gap, how) {
        verify(item, "something to tap");
        bringIntoView(item);
        var p = centreOf(item);
        var hold = how === "mouse" ? holdMs : quickHoldMs;
        var first = tapAt(p.x, p.y, how, hold);
        wait(gap);
        var second = tapAt(p.x, p.y, how, hold);
        return [first, second];
    }

    // A finger drawn across `flickable` by (dx, dy) from its centre, in
    // steps, held still before it lifts so that the content does not fly on.
    function swipe(flickable, dx, dy) {
        var target = root.contentItem;
        var from = centreOf(flickable);
        var touch = touchEvent(target);
        touch.press(0, target, from.x, from.y).commit();
        var steps = 8;
        for (var i = 1; i <= steps; ++i) {
            wait(16);
            touch.move(0, target, from.x + dx * i / steps, from.y + dy * i / steps).commit();
        }
        wait(100);
        touch.release(0, target, from.x + dx, from.y + dy).commit();
        tryCompare(flickable, "moving", false, t(3000));
    }

    // Swipes the Flickable around `item` until the item's centre lies well
    // inside it.
    function bringIntoView(item) {
        var flickable = Journey.flickableOf(item);
        if (!flickable || !flickable.interactive)
            return;
        for (var attempt = 0; attempt < 8; ++attempt) {
            var c = item.mapToItem(flickable, item.width / 2, item.height / 2);
            var marginX = Math.min(item.width, flickable.width) / 2;
            var marginY = Math.min(item.height, flickable.height) / 2;
            var dx = c.x < marginX || c.x > flickable.width - marginX ? flickable.width / 2 - c.x : 0;
            var dy = c.y < marginY || c.y > flickable.height - marginY ? flickable.height / 2 - c.y : 0;
            if (dx === 0 && dy === 0)
                return;
            var reach = function(d, size) { return Math.max(-size * 0.4, Math.min(size * 0.4, d)); };
            swipe(flickable, reach(dx, flickable.width), reach(dy, flickable.height));
        }
        fail("could not scroll " + item.objectName + " into view");
    }

    // Whether a tap at the centre of `item`, as it lies now, reaches it.
    function reachable(item) {
        var p = centreOf(item);
        for (var hit = Journey.hitTest(root.contentItem, p.x, p.y); hit; hit = hit.parent) {
            if (hit === item)
                return true;
        }
        return false;
    }

    // Types `text` on the on-screen keyboard below `keyboardItem`, key by
    // key, at a person's pace. A keyboard is not scrolled: each key must be
    // within reach where it is.
    function typeOn(keyboardItem, text, how) {
        for (var i = 0; i < text.length; ++i) {
            var key = Journey.keyFor(keyboardItem, text[i]);
            verify(key, "a key for \"" + text[i] + "\"");
            verify(reachable(key), "the key \"" + text[i] + "\" can be tapped where it is");
            var p = centreOf(key);
            tapAt(p.x, p.y, how);
            wait(paceMs / 2);
        }
    }

    // The launcher's tile of `appId` (its card, which takes the tap).
    function homeTile(appId) {
        var tile = Journey.find(app(homeId).initialPage, "homeTile_" + appId);
        verify(tile, "a launcher tile for " + appId);
        return Journey.find(tile, "card");
    }

    // The item named by `test` (a function of the objectName) that the press
    // `hit` (from tapAt) reached, or null.
    function reached(hit, test) {
        return hit && hit.item ? Journey.namedAncestor(hit.item, test) : null;
    }

    // The app that the press `hit` launches from the launcher, or "" when it
    // reached no launcher tile.
    function launcherTarget(hit) {
        var tile = reached(hit, function(n) { return n.indexOf("homeTile_") === 0; });
        return tile ? tile.objectName.substring("homeTile_".length) : "";
    }

    // The action bar's button of the current page's action with `iconName`.
    function actionButton(iconName) {
        var buttons = Journey.findAll(root.actionBar, "actionButton");
        for (var i = 0; i < buttons.length; ++i) {
            if (buttons[i].visible && buttons[i].action && buttons[i].action.iconName === iconName)
                return buttons[i];
        }
        fail("no action button " + iconName + " on " + root.pageStack.currentItem.title);
        return null;
    }

    function backButton() {
        return Journey.find(root.actionBar, "backButton");
    }

    function snackbar() {
        return Journey.find(root.contentItem, "snackbar");
    }

    function autoOffDialog() {
        return Journey.find(root.overlayLayer, "autoOffDialog") || Journey.find(root.contentItem, "autoOffDialog");
    }

    function keyboardDialog() {
        return Journey.find(root.contentItem, "loaderKeyboardDialog").item;
    }

    // Auto-off enabled on the simulated device with a long time-out: the
    // watch ticks and no warning comes.
    function enableAutoOff() {
        verify(simulatedDevice.write("[autooff]\nenabled=true\ntimeout=900\n"));
    }

    // Lets the device idle into the auto-off warning, as it would after a
    // minute less of idleness: the watch raises it at its next tick.
    function awaitAutoOffWarning() {
        verify(simulatedDevice.write("[autooff]\nenabled=true\ntimeout=60\n"));
        tryVerify(function() { return autoOffDialog().showing; }, t(5000), "the auto-off warning");
        tryCompare(autoOffDialog(), "opacity", 1, t(2000));
    }

    // Taps the auto-off warning away: the tap restarts the count and the
    // watch clears the warning at its next tick. Then the long time-out again.
    function tapAutoOffAway(how) {
        var warning = autoOffDialog();
        verify(warning.showing, "the auto-off warning shows");
        tap(warning, how);
        tryVerify(function() { return !warning.showing; }, t(3000), "the tap clears the auto-off warning");
        verify(simulatedDevice.write("[autooff]\nenabled=true\ntimeout=900\n"));
        tryCompare(warning, "visible", false, t(2000));
    }

    // Keeps the start and resume parameters that the app `appId` receives
    // from now on, as { "name", "params" } in the returned object's `calls`;
    // also for an app that has not loaded yet.
    function recordLifecycle(appId) {
        var recorder = Qt.createQmlObject("import QtQuick 2.15\n"
            + "Connections {\n"
            + "    property var calls: []\n"
            + "    ignoreUnknownSignals: true\n"
            + "    function onStart(params) { record(\"start\", params); }\n"
            + "    function onResume(params) { record(\"resume\", params); }\n"
            + "    function record(name, params) { calls = calls.concat([{ \"name\": name, \"params\": params }]); }\n"
            + "}", root.contentItem, "recordLifecycle");
        var loader = loaderOf(appId);
        recorder.target = Qt.binding(function() { return loader.item; });
        return recorder;
    }

    // The colour drawn at (x, y) of `item`, as "#rrggbb".
    function pixel(item, x, y) {
        var p = item.mapToItem(null, x, y);
        var colour = null;
        root.contentItem.grabToImage(function(result) { colour = journey.pixelOf(result.image, p.x, p.y); });
        tryVerify(function() { return colour !== null; }, t(5000), "the screen grabbed");
        return colour;
    }

    // Debug-log lines since the shell started that match `pattern`.
    function logLines(pattern) {
        return journey.log().filter(function(line) { return pattern.test(line); });
    }
}
