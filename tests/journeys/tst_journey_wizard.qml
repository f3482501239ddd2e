import QtQuick 2.4
import QtTest 1.2
import "Journey.js" as Journey

// The tubing wizard in the whole shell, by taps only: every tile tapped twice
// 60, 120 and 250 ms apart, the confirm dialog's buttons tapped twice, and the
// wizard through to the gauge and back (also run in German). After every tap the wizard must stand
// where the taps took it: each press that reached a tile chose it, a press
// that reached the confirm dialog's "Go Back" while the dialog was open went
// back one answer, the back button went back one answer, and a press on a
// closing dialog did nothing.
JourneyCase {
    id: wizardJourney

    readonly property var gaps: [60, 120, 250]
    property var wizard: null
    // The answers the taps chose, and whether the confirm dialog should be open.
    property var chosen: []
    property bool dialogExpected: false
    // Double taps so far in the tile tour: each takes the next gap and device.
    property int __doubleTaps: 0

    name: "WizardJourney"

    function init() {
        wizard = null;
        chosen = [];
        dialogExpected = false;
        __doubleTaps = 0;
    }

    function openWizard(how) {
        startShell();
        tap(homeTile(lumvarId), how);
        wizard = waitForApp(lumvarId);
        chosen = [];
        dialogExpected = false;
        checkWizard("the wizard opened");
    }

    function tree() {
        return wizard.__decisionTree;
    }

    function confirmDialog() {
        return wizard.__confirmDialog;
    }

    // Whether the answers `path` end in a tubing result.
    function endsInResult(path) {
        var prefix = "/" + path.join("/") + "/";
        return tree().paths.some(function(entry) {
            return entry.indexOf(prefix) === 0 && entry.substring(prefix.length).indexOf("/") < 0;
        });
    }

    // What the press `hit` (from tapAt) does to the wizard.
    function follow(hit) {
        if (!hit.item)
            return;
        if (hit.dialog) {
            // A closing dialog takes no taps; an open one only on its buttons.
            var button = reached(hit, function(n) { return n === "positiveButton" || n === "negativeButton"; });
            if (hit.dialog === confirmDialog() && hit.dialogOpen && button) {
                dialogExpected = false;
                if (button.objectName === "negativeButton")
                    chosen.pop();
            }
            return;
        }
        var tile = reached(hit, function(n) { return n.indexOf("tile_") === 0; });
        if (tile) {
            chosen.push(tile.objectName.substring("tile_".length));
            dialogExpected = endsInResult(chosen);
            return;
        }
        if (reached(hit, function(n) { return n === "backButton"; }) && chosen.length > 0) {
            chosen.pop();
            dialogExpected = false;
        }
    }

    // The wizard stands where the taps took it: its answers, its pages, the
    // page shown with its tiles or its tubing, the confirm dialog.
    function checkWizard(what) {
        compare(root.__currAppId, lumvarId, what + ": the app shown");
        compare(tree().currentPath, chosen.length ? "/" + chosen.join("/") : "", what + ": the answers");
        compare(root.pageStack.depth, chosen.length + 1, what + ": pages on the stack");
        var page = root.pageStack.currentItem;
        compare(page, wizard.getPage(tree().getCurrentCategory()), what + ": the page shown");
        compare(confirmDialog().showing, dialogExpected, what + ": the confirm dialog open");
        if (page.objectName === "connectionsPage") {
            var fields = tree().getResult().split(":");
            compare([page.chAInputLbl, page.chARefLbl, page.chBInputLbl, page.chBRefLbl],
                    fields.map(function(f) { return "TAP_LABEL_" + f; }), what + ": the tubing shown");
        } else {
            var tiles = Journey.findAll(page, "tile_").filter(function(t) { return t.visible; });
            compare(tiles.map(function(t) { return t.objectName; }),
                    tree().getOptions().map(function(o) { return "tile_" + o.key; }), what + ": the tiles shown");
        }
    }

    // Taps back (the back button, or "Go Back" while the confirm dialog is
    // open) until `depth` answers are left, as a person would, each time
    // after the screen has settled.
    function backTo(depth, what) {
        for (var taps = 0; chosen.length > depth; ++taps) {
            verify(taps < 8, what + ": back to " + depth + " answers");
            var dialog = confirmDialog();
            if (dialog.showing)
                follow(tap(Journey.find(dialog, "negativeButton")));
            else
                follow(tap(backButton()));
            tryCompare(dialog, "visible", dialogExpected, t(2000), what + ": the confirm dialog settled");
            checkWizard(what + ", back " + (taps + 1));
        }
    }

    // Every answer key that some page below the answers `path` offers.
    function keysBelow(path) {
        var prefix = "/" + path.map(function(k) { return k + "/"; }).join("");
        var keys = {};
        tree().paths.forEach(function(entry) {
            if (entry.indexOf(prefix) !== 0)
                return;
            var rest = entry.substring(prefix.length).split("/");
            rest.slice(0, rest.length - 1).forEach(function(k) { keys[k] = true; });
        });
        return Object.keys(keys);
    }

    // Double-taps each tile of the page shown that was not tapped twice
    // before, once with each gap (60, 120, 250 ms; by touch, and the next
    // time round by mouse), going back after each to where it started; then
    // answers with one tap each tile below which lie tiles not yet tapped,
    // and does the same there.
    function tour(what, covered) {
        var depth = chosen.length;
        var keys = tree().getOptions().map(function(o) { return o.key; });
        for (var i = 0; i < keys.length; ++i) {
            if (covered[keys[i]])
                continue;
            covered[keys[i]] = true;
            for (var g = 0; g < gaps.length; ++g) {
                var how = Math.floor(__doubleTaps / gaps.length) % 2 ? "mouse" : "touch";
                __doubleTaps += 1;
                var step = what + "/" + keys[i] + " twice " + gaps[g] + " ms apart by " + how;
                var hits = doubleTap(Journey.find(root.pageStack.currentItem, "tile_" + keys[i]), gaps[g], how);
                follow(hits[0]);
                follow(hits[1]);
                checkWizard(step);
                backTo(depth, step);
            }
        }
        for (i = 0; i < keys.length; ++i) {
            var below = chosen.concat([keys[i]]);
            if (endsInResult(below) || keysBelow(below).every(function(k) { return covered[k]; }))
                continue;
            wait(paceMs);
            follow(tap(Journey.find(root.pageStack.currentItem, "tile_" + keys[i])));
            checkWizard(what + "/" + keys[i]);
            tour(what + "/" + keys[i], covered);
            backTo(depth, what + "/" + keys[i]);
        }
    }

    // Every tile of the wizard tapped twice, 60, 120 and 250 ms apart: the
    // second tap lands on the page that the first one opened (or on the
    // confirm dialog fading in) and does what a tap there does.
    function test_everyTileTappedTwice() {
        openWizard("touch");
        var covered = {};
        tour("", covered);
        compare(Object.keys(covered).sort(), keysBelow([]).sort(), "tiles tapped twice");
        // The tiles still work: one path through to its tubing.
        var path = tree().paths[0].split("/").slice(1, 5);
        for (var i = 0; i < path.length; ++i) {
            wait(paceMs);
            follow(tap(Journey.find(root.pageStack.currentItem, "tile_" + path[i])));
            checkWizard("after the tour: " + path[i]);
        }
        verify(dialogExpected);
    }

    function test_confirmDialogButtonsTappedTwice_data() {
        var rows = [];
        var buttons = ["negativeButton", "positiveButton"];
        for (var b = 0; b < buttons.length; ++b) {
            for (var g = 0; g < gaps.length; ++g) {
                for (var how = 0; how < 2; ++how) {
                    var device = how ? "mouse" : "touch";
                    rows.push({ "tag": buttons[b] + " " + gaps[g] + " ms " + device, "button": buttons[b],
                                "gap": gaps[g], "how": device });
                }
            }
        }
        // While the dialog still fades in.
        rows.push({ "tag": "negativeButton while fading in", "button": "negativeButton", "gap": -1, "how": "touch" });
        rows.push({ "tag": "positiveButton while fading in", "button": "positiveButton", "gap": -1, "how": "mouse" });
        return rows;
    }

    // Two taps on a button of the confirm dialog: the button acts once, and
    // a tap that comes while the dialog closes does nothing. Go Back goes
    // back exactly one answer. The tiles work afterwards.
    function test_confirmDialogButtonsTappedTwice(data) {
        openWizard(data.how);
        // Another test, to a nanoseep meter: a second tap that comes once the
        // dialog has gone lands on the flow-device page below it.
        var path = ["TEST_TYPE_OTHER", "FLOWDEVICE_NANOSEEP_METER"];
        for (var i = 0; i < path.length; ++i) {
            wait(paceMs);
            follow(tap(Journey.find(root.pageStack.currentItem, "tile_" + path[i]), data.how));
        }
        checkWizard("at the tubing");
        var dialog = confirmDialog();
        var button = Journey.find(dialog, data.button);
        verify(button && button.visible, data.button + " shown");
        if (data.gap < 0) {
            requireRunning(dialog.__fading, "the dialog's fade-in");
            follow(tap(button, data.how));
        } else {
            tryCompare(dialog, "opacity", 1, t(2000));
            wait(paceMs);
            var hits = doubleTap(button, data.gap, data.how);
            follow(hits[0]);
            follow(hits[1]);
        }
        tryVerify(function() { return !dialog.__fading; }, t(2000), "the dialog settled");
        checkWizard(data.tag);
        // The tiles work afterwards: back to the flow devices if needed, then one.
        backTo(1, data.tag);
        wait(paceMs);
        follow(tap(Journey.find(root.pageStack.currentItem, "tile_FLOWDEVICE_HOODEX_METER"), data.how));
        checkWizard(data.tag + ", then another flow device");
        verify(dialogExpected);
    }

    function test_wizardToGaugeAndBack_data() {
        return [
            { "tag": "building, touch", "path": 2, "how": "touch" },
            { "tag": "duct, mouse", "path": 17, "how": "mouse" },
            { "tag": "air handler, touch", "path": 24, "how": "touch" },
            { "tag": "other, mouse", "path": 29, "how": "mouse" }
        ];
    }

    // Through the wizard to its tubing, on to the gauge with that tubing,
    // home and into the wizard again, which starts over; in the language of
    // the run (en-US, or de-DE in journey_wizard_de).
    function test_wizardToGaugeAndBack(data) {
        var texts = {
            "en-US": { "title": "Select Test Type", "continue": "Continue", "goBack": "Go Back",
                       "launching": "Launching Gauge with selected configuration\u2026", "gauge": "Gauge" },
            "de-DE": { "title": "Pr\u00fcfart w\u00e4hlen", "continue": "Weiter", "goBack": "Zur\u00fcck",
                       "launching": "Manometer wird mit der gew\u00e4hlten Konfiguration gestartet\u2026",
                       "gauge": "Manometer" }
        }[language.language];
        verify(texts, "texts for " + language.language);
        openWizard(data.how);
        compare(root.pageStack.currentItem.title, texts.title);
        var entry = tree().paths[data.path].split("/");
        var keys = entry.slice(1, entry.length - 1);
        var fields = entry[entry.length - 1].split(":");
        for (var i = 0; i < keys.length; ++i) {
            wait(paceMs);
            follow(tap(Journey.find(root.pageStack.currentItem, "tile_" + keys[i]), data.how));
            checkWizard(keys[i]);
        }
        var dialog = confirmDialog();
        compare(Journey.find(dialog, "negativeButton").text, texts.goBack);
        compare(Journey.find(dialog, "positiveButton").text, texts["continue"]);
        tryCompare(dialog, "opacity", 1, t(2000));
        wait(paceMs);
        follow(tap(Journey.find(dialog, "positiveButton"), data.how));
        tryCompare(dialog, "visible", false, t(2000));
        checkWizard("continued");
        wait(paceMs);
        tap(Journey.find(root.pageStack.currentItem, "launchGaugeBtn"), data.how);
        compare(snackbar().text, texts.launching);
        var gauge = expectShown(gaugeId);
        compare(root.pageStack.currentItem.title, texts.gauge);
        compare([gauge.chAInputLbl, gauge.chARefLbl, gauge.chBInputLbl, gauge.chBRefLbl],
                fields.map(function(f) { return "TAP_LABEL_" + f; }), "the gauge's tubing");
        compare(gauge.channelMode, tree().testTypes[keys[0]].forceGaugeMode, "the gauge's mode");
        wait(paceMs);
        tap(actionButton("action/home"), data.how);
        expectShown(homeId);
        wait(paceMs);
        tap(homeTile(lumvarId), data.how);
        expectShown(lumvarId);
        chosen = [];
        dialogExpected = false;
        checkWizard("back in the wizard");
        compare(root.pageStack.currentItem.title, texts.title);
    }
}
