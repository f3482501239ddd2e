import QtQuick 2.4
import QtTest 1.2
import "Journey.js" as Journey

// Launch parameters that are an Item, by taps: a run of its own, since a
// shell that hangs on them ends the run (the journeys' main stops a run
// whose GUI thread stands still for 20 s).
JourneyCase {
    id: itemParamsJourney

    name: "ItemParamsJourney"

    // A launch whose parameters are an Item (a page of the app): the shell
    // switches, its log line stays short, and nothing hangs.
    function test_itemAsLaunchParameters() {
        startShell();
        wait(paceMs);
        tap(homeTile(probeId), "touch");
        var probe = waitForApp(probeId);
        wait(paceMs);
        tap(Journey.find(probe.initialPage, "itemParamsButton"), "touch");
        var gauge = expectShown(gaugeId);
        var lines = logLines(/VeltraApp\.launch(App)?\(\) com\.ostrelle\.veltra\.Gauge/);
        verify(lines.length > 0, "the launch logged");
        lines.forEach(function(line) { verify(line.length <= 1000, "a log line of " + line.length + " characters"); });
        // The gauge keeps its defaults for what the Item does not carry.
        compare(gauge.chAInputLbl, "TAP_LABEL_INPUT");
        wait(paceMs);
        tap(actionButton("action/home"), "touch");
        expectShown(homeId);
    }
}
