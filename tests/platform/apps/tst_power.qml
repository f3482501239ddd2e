import QtQuick 2.4
import QtTest 1.2
import Material 0.2
import "AppsHarness.js" as Harness

// Power off in the real root window: every launch asks for confirmation;
// cancelling goes home, confirming prepares the end of the program.
ShellFixture {
    id: testCase

    name: "PowerApp"

    // Open, the dialog lives in the window's overlay.
    function dialog(root) {
        return Harness.find(root.overlayLayer, "powerConfirmDialog");
    }

    function test_cancelGoesHome() {
        var root = startShell();
        app(root, Harness.homeId).launch(Harness.powerId);
        var power = waitForApp(root, Harness.powerId);
        var confirm = dialog(root);
        verify(confirm);
        tryCompare(confirm, "opacity", 1);
        verify(confirm.showing);
        compare(confirm.title, "Power off?");
        compare(Harness.find(confirm, "positiveButton").text, "Power off");
        screenshot(root, "power.png");
        mouseClick(Harness.find(confirm, "negativeButton"));
        verify(!confirm.showing);
        waitForApp(root, Harness.homeId);
        verify(!power.shuttingDown);
        // The next launch asks again.
        app(root, Harness.homeId).launch(Harness.powerId);
        waitForApp(root, Harness.powerId);
        verify(confirm.showing);
        // Leaving the app some other way closes the question.
        power.launch(Harness.gaugeId);
        waitForApp(root, Harness.gaugeId);
        verify(!confirm.showing);
    }

    function test_confirmEndsTheProgram() {
        var root = startShell();
        app(root, Harness.homeId).launch(Harness.powerId);
        var power = waitForApp(root, Harness.powerId);
        var confirm = dialog(root);
        tryVerify(function() { return confirm.showing; });
        mouseClick(Harness.find(confirm, "positiveButton"));
        verify(!confirm.showing);
        verify(power.shuttingDown);
        compare(Harness.find(power.initialPage, "powerStatusLabel").text, "Shutting down\u2026");
        compare(root.__currAppId, Harness.powerId);
        var quitTimer = Harness.find(power, "quitTimer");
        verify(quitTimer.running);
        // Qt.quit() would end this test run too: stop short of it.
        quitTimer.stop();
        screenshot(root, "power_shutting_down.png");
    }
}
