import QtQuick 2.4
import QtTest 1.2
import "Journey.js" as Journey

// Dialogs in the whole shell, by taps only: both buttons of power off's
// question and of the shared keyboard dialog tapped twice at 60, 120 and
// 250 ms and while fading in; the auto-off warning arriving over each dialog
// (also the wizard's, and the keyboard over the probe's question) and over
// the keyboard while typing, and tapped away; every key row of the keyboard
// within reach; a snackbar over a dialog and two snackbar messages in a row;
// taps while a page is pushed and popped.
JourneyCase {
    id: dialogsJourney

    readonly property var gaps: [60, 120, 250]
    // The dialogs that the staged apps and the shell open (the wizard's is
    // in tst_journey_wizard.qml).
    readonly property var kinds: ["power", "keyboard"]
    property var probe: null

    name: "DialogsJourney"

    function init() {
        probe = null;
    }

    function openProbe(how) {
        if (root.__currAppId !== probeId) {
            wait(paceMs);
            tap(homeTile(probeId), how);
        }
        probe = waitForApp(probeId);
        return probe;
    }

    // Opens the dialog of `kind` by taps from wherever the journey stands
    // (the launcher, or the probe's page for the probe's dialogs); a power-off
    // question already open is taken as it is. `typed`, when given, is typed
    // into a keyboard dialog once it has faded in.
    function openDialog(kind, how, typed) {
        var dialog = null;
        if (kind === "power") {
            dialog = Journey.find(root.overlayLayer, "powerConfirmDialog");
            if (root.__currAppId !== powerId || !dialog || !dialog.showing) {
                wait(paceMs);
                tap(homeTile(powerId), how);
            }
            var power = waitForApp(powerId);
            // Confirming ends the program after a short notice: never here.
            Journey.find(power, "quitTimer").interval = 3600000;
            dialog = Journey.find(root.overlayLayer, "powerConfirmDialog");
        } else if (kind === "wizard") {
            wait(paceMs);
            tap(homeTile(lumvarId), how);
            var wizard = waitForApp(lumvarId);
            var keys = ["TEST_TYPE_OTHER", "FLOWDEVICE_HOODEX_METER"];
            for (var i = 0; i < keys.length; ++i) {
                wait(paceMs);
                tap(Journey.find(root.pageStack.currentItem, "tile_" + keys[i]), how);
            }
            dialog = wizard.__confirmDialog;
        } else {
            openProbe(how);
            var buttons = { "question": "questionButton", "notice": "noticeButton", "keyboard": "keyboardButton",
                            "keyboardTitled": "keyboardTitledButton", "stacked": "questionButton" };
            wait(paceMs);
            tap(Journey.find(probe.initialPage, buttons[kind]), how);
            dialog = { "question": probe.questionDialog, "notice": probe.noticeDialog,
                       "stacked": probe.questionDialog }[kind] || keyboardDialog();
        }
        verify(dialog, "a dialog for " + kind);
        tryVerify(function() { return dialog.showing; }, t(2000), kind + " open");
        if (kind === "keyboard" || kind === "keyboardTitled") {
            compare(dialog.title, kind === "keyboard" ? "" : probe.keyboardTitle);
            if (typed) {
                tryCompare(dialog, "opacity", 1, t(2000));
                typeOn(dialog, typed, how);
                compare(dialog.value, typed, "typed before");
            }
        }
        return dialog;
    }

    // How often the dialog of `kind` was accepted and rejected so far.
    function outcome(kind) {
        if (kind === "power")
            return { "accepted": logLines(/PowerApp\.__powerOff\(\)/).length,
                     "rejected": logLines(/PowerApp\.__cancel\(\)/).length };
        if (kind === "question")
            return { "accepted": probe.questionAccepted, "rejected": probe.questionRejected };
        if (kind === "notice")
            return { "accepted": probe.noticeAccepted, "rejected": probe.noticeRejected };
        return { "accepted": probe.acceptedTexts.length, "rejected": probe.keyboardRejected };
    }

    function test_dialogButtonsTappedTwice_data() {
        var rows = [];
        for (var k = 0; k < kinds.length; ++k) {
            for (var g = 0; g < gaps.length; ++g) {
                var how = (k + g) % 2 ? "mouse" : "touch";
                rows.push({ "tag": kinds[k] + " " + gaps[g] + " ms by " + how, "kind": kinds[k], "gap": gaps[g],
                            "how": how });
            }
        }
        // A tap while the dialog still fades in.
        rows.push({ "tag": "power while fading in by mouse", "kind": "power", "gap": -1, "how": "mouse" });
        rows.push({ "tag": "keyboard while fading in by touch", "kind": "keyboard", "gap": -1, "how": "touch" });
        return rows;
    }

    // The negative button, then the positive one: each acts once; a second
    // tap that comes while the dialog closes does nothing, one that comes
    // after it has gone reaches what lies below it (on the launcher, a tile).
    function test_dialogButtonsTappedTwice(data) {
        startShell();
        var buttons = ["negativeButton", "positiveButton"];
        var typed = data.gap < 0 ? "" : "ab";
        for (var b = 0; b < buttons.length; ++b) {
            var dialog = openDialog(data.kind, data.how, typed);
            var before = outcome(data.kind);
            var button = Journey.find(dialog, buttons[b]);
            verify(button && button.visible, buttons[b] + " shown");
            var hits = [];
            if (data.gap < 0) {
                requireRunning(dialog.__fading, "the dialog's fade-in");
                hits.push(tap(button, data.how));
            } else {
                tryCompare(dialog, "opacity", 1, t(2000));
                wait(paceMs);
                hits = doubleTap(button, data.gap, data.how);
            }
            tryVerify(function() { return !dialog.__fading; }, t(2000), buttons[b] + ": the dialog settled");
            var after = outcome(data.kind);
            compare([after.accepted - before.accepted, after.rejected - before.rejected], b ? [1, 0] : [0, 1],
                    buttons[b] + ": accepted and rejected");
            if (data.kind === "keyboard")
                compare(probe.acceptedTexts, b ? [typed] : [], "texts accepted");
            // What the second tap reached once the dialog had gone.
            var stray = hits.length > 1 && hits[1].item && hits[1].dialog !== dialog ? hits[1] : null;
            var strayApp = launcherTarget(stray);
            verify(!stray || strayApp !== "", "the second tap reached " + (stray && stray.item) + " below the dialog");
            if (strayApp !== "") {
                expectShown(strayApp);
                verify(strayApp !== powerId || dialog.showing, "power off asks again");
            } else {
                verify(!dialog.showing, buttons[b] + " closed the dialog");
            }
        }
        if (data.kind === "power") {
            var power = expectShown(powerId);
            verify(power.shuttingDown);
            verify(Journey.find(power, "quitTimer").running);
            Journey.find(power, "quitTimer").stop();
        } else {
            expectShown(probeId);
        }
    }

    function test_autoOffWarningOverEveryDialog_data() {
        return [
            { "tag": "power off", "kind": "power", "how": "touch" },
            { "tag": "wizard confirm", "kind": "wizard", "how": "mouse" },
            { "tag": "keyboard while typing", "kind": "keyboard", "how": "touch" },
            { "tag": "keyboard with a title while typing", "kind": "keyboardTitled", "how": "mouse" },
            { "tag": "keyboard over the question while typing", "kind": "stacked", "how": "touch" }
        ];
    }

    // The auto-off warning comes over an open dialog (over the keyboard
    // while typing), a tap clears it, and the dialog goes on as before: the
    // focus is where it was, keys type, the buttons act.
    function test_autoOffWarningOverEveryDialog(data) {
        startShell();
        enableAutoOff();
        var dialog = openDialog(data.kind, data.how, "ab");
        var typing = dialog;
        if (data.kind === "stacked") {
            tryCompare(dialog, "opacity", 1, t(2000));
            wait(paceMs);
            tap(Journey.find(dialog, "typeButton"), data.how);
            typing = keyboardDialog();
            tryVerify(function() { return typing.showing; }, t(2000), "the keyboard over the question");
            tryCompare(typing, "opacity", 1, t(2000));
            typeOn(typing, "ab", data.how);
        }
        var focused = typing.value !== undefined ? Journey.find(typing, "textField") : typing;
        verify(focused.activeFocus, "the focus in the dialog before the warning");
        awaitAutoOffWarning();
        verify(dialog.showing && typing.showing, "the dialogs stay open below the warning");
        tapAutoOffAway(data.how);
        verify(dialog.showing && typing.showing, "the dialogs stay open once the warning has gone");
        if (typing.value !== undefined) {
            typeOn(typing, "c", data.how);
            compare(typing.value, "abc", "keys type again once the warning has gone");
        }
        verify(focused.activeFocus, "the focus back where it was");
        var counted = data.kind === "stacked" || data.kind === "keyboardTitled" ? "keyboard" : data.kind;
        var before = data.kind === "wizard" ? null : outcome(counted);
        wait(paceMs);
        tap(Journey.find(typing, "positiveButton"), data.how);
        tryCompare(typing, "visible", false, t(2000));
        if (data.kind === "wizard") {
            compare(root.pageStack.currentItem.objectName, "connectionsPage");
            expectShown(lumvarId, root.pageStack.currentItem);
            return;
        }
        compare(outcome(counted).accepted - before.accepted, 1, "accepted once");
        if (data.kind === "power") {
            Journey.find(app(powerId), "quitTimer").stop();
            expectShown(powerId);
            return;
        }
        compare(probe.acceptedTexts, ["abc"], "the text accepted");
        if (data.kind === "stacked") {
            // Back in the question below, which has the focus again and works.
            verify(dialog.showing, "the question still open");
            verify(dialog.activeFocus, "the focus back in the question");
            wait(paceMs);
            tap(Journey.find(dialog, "typeButton"), data.how);
            tryVerify(function() { return typing.showing; }, t(2000), "the keyboard again");
            typeOn(typing, "d", data.how);
            wait(paceMs);
            tap(Journey.find(typing, "positiveButton"), data.how);
            tryCompare(typing, "visible", false, t(2000));
            compare(probe.acceptedTexts, ["abc", "d"]);
            wait(paceMs);
            tap(Journey.find(dialog, "negativeButton"), data.how);
            tryCompare(dialog, "visible", false, t(2000));
            compare(probe.questionRejected, 1);
        }
        expectShown(probeId);
    }

    function test_keyboardKeysWithinReach_data() {
        return [
            { "tag": "without a title", "button": "keyboardButton", "how": "touch" },
            { "tag": "with a title", "button": "keyboardTitledButton", "how": "mouse" }
        ];
    }

    // Every key of every layer can be tapped where it lies: no key row lies
    // outside the dialog or below what it shows.
    function test_keyboardKeysWithinReach(data) {
        startShell();
        openProbe(data.how);
        wait(paceMs);
        tap(Journey.find(probe.initialPage, data.button), data.how);
        var dialog = keyboardDialog();
        tryCompare(dialog, "opacity", 1, t(2000));
        var keyboard = Journey.find(dialog, "keyboard");
        var layers = [{ "name": "lower case", "next": Qt.Key_CapsLock },
                      { "name": "capitals", "next": "SYM" },
                      { "name": "symbols", "next": "abc" }];
        for (var l = 0; l < layers.length; ++l) {
            var rows = Journey.keyRows(keyboard);
            compare(rows.length, 3, layers[l].name + ": key rows shown");
            for (var r = 0; r < rows.length; ++r) {
                var unreachable = rows[r].filter(function(k) { return !reachable(k); });
                compare(unreachable.map(function(k) { return k.text || String(k.key); }), [],
                        layers[l].name + ", row " + (r + 1) + ": keys out of reach");
            }
            if (l === 0) {
                typeOn(keyboard, "qaz", data.how);
                compare(dialog.value, "qaz", "a key of each row typed");
            }
            wait(paceMs);
            tap(Journey.keyFor(keyboard, layers[l].next), data.how);
        }
        compare(keyboard.mode, "MODE_DEFAULT", "back on the lower case");
        wait(paceMs);
        tap(Journey.find(dialog, "positiveButton"), data.how);
        tryCompare(dialog, "visible", false, t(2000));
        compare(probe.acceptedTexts, ["qaz"]);
        expectShown(probeId);
    }

    // A snackbar shown while a dialog is open is drawn above the dialog and
    // its scrim, not dimmed below them.
    function test_snackbarShowsAboveADialog() {
        startShell();
        var dialog = openDialog("notice", "touch");
        tryCompare(dialog, "opacity", 1, t(2000));
        wait(paceMs);
        tap(Journey.find(dialog, "checkButton"), "touch");
        compare(probe.snackbarsShown, 1);
        var bar = snackbar();
        verify(bar.opened, "the snackbar opened");
        tryCompare(bar, "__sliding", false, t(2000));
        var card = null;
        for (var i = 0; i < bar.children.length; ++i) {
            if (bar.children[i].radius !== undefined && bar.children[i].width > 0)
                card = bar.children[i];
        }
        verify(card, "the snackbar's card");
        tryCompare(card, "opacity", 1, t(2000));
        var drawn = pixel(card, Math.min(6, card.width / 2), card.height / 2);
        compare(drawn, String(card.color), "the snackbar's colour where it lies, not dimmed by the dialog");
        verify(dialog.showing, "the dialog still open");
        wait(paceMs);
        tap(Journey.find(dialog, "positiveButton"), "touch");
        tryCompare(dialog, "visible", false, t(2000));
        expectShown(probeId);
    }

    // Two messages in a row (the updates app's check, tapped twice 1.5 s
    // apart): the second is shown for its own two seconds, not ended with
    // the first.
    function test_snackbarMessagesKeepTheirDuration() {
        startShell();
        tap(homeTile(updatesId), "touch");
        waitForApp(updatesId);
        var bar = snackbar();
        wait(paceMs);
        tap(actionButton("navigation/refresh"), "touch");
        verify(bar.opened, "the first message");
        wait(1500);
        tap(actionButton("navigation/refresh"), "mouse");
        verify(bar.opened, "the second message");
        wait(1200);
        verify(bar.opened, "the second message still shown 1.2 s after it came");
        tryCompare(bar, "opened", false, t(3000), "the second message ends");
        expectShown(updatesId);
    }

    function test_tapsDuringPagePushAndPop_data() {
        return [
            { "tag": "60 ms by touch", "gap": 60, "how": "touch" },
            { "tag": "120 ms by mouse", "gap": 120, "how": "mouse" }
        ];
    }

    // A tap on the back button while a page is still being pushed, and on
    // the page below while it is being popped: the stack ends as the taps
    // chose, with the page on top shown.
    function test_tapsDuringPagePushAndPop(data) {
        startShell();
        openProbe(data.how);
        var details = Journey.find(probe.initialPage, "detailsButton");
        wait(paceMs);
        tap(details, data.how);
        requireRunning(root.pageStack.busy, "the push of the details page");
        wait(data.gap);
        var back = backButton();
        verify(back.visible, "the back button shown during the push");
        var p = centreOf(back);
        var hit = tapAt(p.x, p.y, data.how);
        verify(reached(hit, function(n) { return n === "backButton"; }), "the tap reached the back button");
        tryCompare(root.pageStack, "busy", false, t(3000));
        compare(root.pageStack.depth, 1, "popped during the push");
        expectShown(probeId);

        wait(paceMs);
        tap(details, data.how);
        tryCompare(root.pageStack, "busy", false, t(3000));
        compare(root.pageStack.currentItem, probe.detailsPage);
        wait(paceMs);
        tap(backButton(), data.how);
        requireRunning(root.pageStack.busy, "the pop of the details page");
        wait(data.gap);
        p = centreOf(details);
        hit = tapAt(p.x, p.y, data.how);
        var pushedAgain = reached(hit, function(n) { return n === "detailsButton"; }) !== null;
        tryCompare(root.pageStack, "busy", false, t(3000));
        compare(root.pageStack.depth, pushedAgain ? 2 : 1, "the stack as the taps chose");
        expectShown(probeId, pushedAgain ? probe.detailsPage : probe.initialPage);
    }
}
