import QtQuick 2.4
import QtTest 1.2
import "Journey.js" as Journey

// Switching away from an app that is still loading, by taps only, in the
// whole shell over the staged apps, the probe and an app that takes seconds
// to load (the first tile of the launcher).
JourneyCase {
    id: loadingJourney

    name: "LoadingJourney"

    function slowLoading() {
        return loaderOf(slowId).status !== Loader.Ready;
    }

    function test_switchAwayWhileLoading_data() {
        return [
            { "tag": "launcher tile, then another tile", "how": "touch" },
            { "tag": "launcher tile, then another tile by mouse", "how": "mouse" },
            { "tag": "with parameters, then home", "how": "touch", "fromProbe": true }
        ];
    }

    // Right after the start the user taps an app that is still loading (the
    // "Launching ..." message comes up), then goes elsewhere before it has
    // loaded: the message closes, the app left is not started when it
    // loads, and the app gone to never receives the parameters meant for the
    // one left. Opened later, the slow app starts without them.
    function test_switchAwayWhileLoading(data) {
        var home = null;
        var slowCalls = null;
        startShell(data.fromProbe ? probeId : homeId, false, function(shell) {
            home = recordLifecycle(homeId);
            slowCalls = recordLifecycle(slowId);
        });
        verify(slowLoading(), "the slow app still loads");
        var bar = snackbar();
        var elsewhere = data.fromProbe ? homeId : settingsId;
        if (data.fromProbe) {
            tap(Journey.find(app(probeId).initialPage, "slowButton"), data.how);
        } else {
            tap(homeTile(slowId), data.how);
        }
        verify(slowLoading(), "the slow app still loads after the tap");
        compare(root.__currAppId, slowId);
        verify(bar.opened, "a launching message");
        compare(bar.text, "Launching Slow\u2026");
        wait(paceMs);
        if (data.fromProbe)
            tap(actionButton("action/home"), data.how);
        else
            tap(homeTile(settingsId), data.how);
        verify(slowLoading(), "the slow app still loads after the user went elsewhere");
        expectShown(elsewhere);
        tryCompare(bar, "opened", false, t(1000), "the launching message closed");
        var meant = home.calls.filter(function(c) { return c.params !== undefined; });
        compare(meant.length, 0, "parameters at home: " + JSON.stringify(meant));
        // The slow app loads in the background and is not started.
        tryCompare(loaderOf(slowId), "status", Loader.Ready, t(20000));
        compare(slowCalls.calls.length, 0, "the slow app started or resumed while away");
        expectShown(elsewhere);
        verify(!bar.opened, "no message once it has loaded");
        // Opened from the launcher, it starts without parameters.
        if (elsewhere !== homeId) {
            wait(paceMs);
            tap(actionButton("action/home"), data.how);
            expectShown(homeId);
        }
        wait(paceMs);
        tap(homeTile(slowId), data.how);
        expectShown(slowId);
        compare(slowCalls.calls.length, 1);
        compare(slowCalls.calls[0].name, "start");
        compare(slowCalls.calls[0].params, undefined, "the slow app's parameters");
        compare(home.calls.filter(function(c) { return c.params !== undefined; }).length, 0, "parameters at home");
    }
}
