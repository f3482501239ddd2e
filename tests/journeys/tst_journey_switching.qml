import QtQuick 2.4
import QtTest 1.2
import "Journey.js" as Journey

// Switching apps in the whole shell, by taps only: every launcher tile tapped
// twice (the second tap lands while the app's page is being pushed), an app
// that sends the user on from its lifecycle handlers and a chain of such apps.
JourneyCase {
    id: switchingJourney

    readonly property var gaps: [60, 120, 250]

    name: "SwitchingJourney"

    // The app that the press `hit` (from tapAt) switches to from the
    // launcher or the page being pushed over it, or "" when it switches to
    // none.
    function switchTarget(hit) {
        if (hit.dialog) {
            // Power off's "Cancel" goes home; a closing dialog takes no taps.
            var cancel = reached(hit, function(n) { return n === "negativeButton"; });
            return hit.dialogOpen && cancel && hit.dialog.objectName === "powerConfirmDialog" ? homeId : "";
        }
        return launcherTarget(hit);
    }

    function test_launcherTilesTappedTwice_data() {
        var ids = [gaugeId, lumvarId, updatesId, settingsId, powerId, probeId];
        return ids.map(function(id, i) {
            return { "tag": id.split(".").pop(), "id": id, "how": i % 2 ? "mouse" : "touch" };
        });
    }

    // Two taps on a launcher tile, 60, 120 and 250 ms apart: the app comes
    // up once; the second tap reaches the page being pushed or the launcher
    // below it and does what a tap there does. Each time home again by the
    // app's own way home.
    function test_launcherTilesTappedTwice(data) {
        startShell();
        if (data.id === powerId)
            Journey.find(app(powerId), "quitTimer").interval = 3600000;
        var lumvar = app(lumvarId);
        for (var g = 0; g < gaps.length; ++g) {
            var what = data.tag + " " + gaps[g] + " ms";
            var settingsLanguage = app(settingsId).chosenLanguageCode;
            wait(paceMs);
            var hits = doubleTap(homeTile(data.id), gaps[g], data.how);
            compare(switchTarget(hits[0]), data.id, what + ": the first tap");
            var expected = switchTarget(hits[1]) || data.id;
            // A wizard tile reached by the second tap answers the first question.
            var tile = reached(hits[1], function(n) { return n.indexOf("tile_") === 0; });
            var page = tile ? lumvar.getPage(lumvar.__decisionTree.getCurrentCategory()) : undefined;
            expectShown(expected, page);
            if (tile)
                compare(lumvar.__decisionTree.currentPath, "/" + tile.objectName.substring(5), what + ": the answer");
            // A language row of the settings reached by the second tap chose that language.
            var row = reached(hits[1], function(n) { return n.indexOf("language_") === 0; });
            compare(app(settingsId).chosenLanguageCode, row ? row.code : settingsLanguage, what + ": the language");
            if (expected === powerId) {
                var dialog = Journey.find(root.overlayLayer, "powerConfirmDialog");
                tryCompare(dialog, "opacity", 1, t(2000));
                wait(paceMs);
                tap(Journey.find(dialog, "negativeButton"), data.how);
                tryCompare(dialog, "visible", false, t(2000));
            } else if (expected !== homeId) {
                wait(paceMs);
                tap(actionButton("action/home"), data.how);
            }
            expectShown(homeId);
        }
    }

    function test_redirectingApp_data() {
        return [
            { "tag": "launch on start and resume", "on": ["start", "resume"], "to": gaugeId, "params": true,
              "home": false, "end": gaugeId },
            { "tag": "goHome on start and resume", "on": ["start", "resume"], "to": gaugeId, "params": false,
              "home": true, "end": homeId },
            { "tag": "launch on pause", "on": ["pause"], "to": settingsId, "params": false, "home": false,
              "end": settingsId }
        ];
    }

    // An app that sends the user on from its start, resume or pause handler:
    // once the switch under way has finished, the launch it asked for is
    // carried out, with its parameters intact.
    function test_redirectingApp(data) {
        startShell();
        var redirect = app(redirectId);
        redirect.redirectOn = data.on;
        redirect.redirectTo = data.to;
        redirect.viaGoHome = data.home;
        if (!data.params)
            redirect.redirectParams = undefined;
        var gauge = app(gaugeId);
        for (var round = 0; round < 2; ++round) {
            var what = data.tag + (round ? ", again" : "");
            wait(paceMs);
            tap(homeTile(redirectId), "touch");
            if (data.on.indexOf("pause") >= 0) {
                // It shows its page until the user leaves it.
                expectShown(redirectId);
                wait(paceMs);
                tap(actionButton("action/home"), "mouse");
            }
            expectShown(data.end);
            compare(redirect.redirects, round + 1, what + ": sent on once");
            if (data.params) {
                compare(gauge.channelMode, "CHANNELMODE_FLOW", what + ": the parameters at the gauge");
                compare(gauge.chAInputLbl, "TAP_LABEL_DUCT", what + ": the parameters at the gauge");
            }
            if (data.end !== homeId) {
                wait(paceMs);
                tap(actionButton("action/home"), "touch");
            }
            expectShown(homeId);
        }
    }

    // Two apps that send the user to each other on start and resume: the
    // shell follows the chain a few steps, then stops it with a log line and
    // shows one of them; the user goes home from there.
    function test_redirectChainIsBounded() {
        startShell();
        var redirect = app(redirectId);
        var chain = app(chainId);
        redirect.redirectTo = chainId;
        redirect.redirectParams = { "from": redirectId };
        wait(paceMs);
        tap(homeTile(chainId), "touch");
        tryVerify(function() { return redirect.redirects > 0; }, t(2000), "the chain followed");
        // Settles on one of the two.
        var ended = root.__currAppId;
        verify(ended === chainId || ended === redirectId, "ended on " + ended);
        expectShown(ended);
        var steps = redirect.redirects + chain.redirects;
        verify(steps <= 20, steps + " steps of the chain");
        wait(500);
        compare(redirect.redirects + chain.redirects, steps, "the chain stopped");
        verify(logLines(/^VeltraRootApp\b.*(more than \d+ launches|dropped)/).length > 0,
               "a log line about the stopped chain");
        wait(paceMs);
        tap(actionButton("action/home"), "touch");
        expectShown(homeId);
    }
}
