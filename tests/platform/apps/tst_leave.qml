import QtQuick 2.4
import QtTest 1.2
import "AppsHarness.js" as Harness

// Every stand-in app can be opened from the launcher and left again through
// its Home action.
ShellFixture {
    id: testCase

    name: "LeaveApps"

    function test_homeActionLeaves_data() {
        return [
            { tag: "gauge", id: Harness.gaugeId },
            { tag: "settings", id: Harness.settingsId },
            { tag: "updates", id: Harness.updatesId }
        ];
    }
    function test_homeActionLeaves(data) {
        var root = startShell();
        app(root, Harness.homeId).launch(data.id);
        var shown = waitForApp(root, data.id);
        var home = null;
        for (var i = 0; i < shown.initialPage.actions.length; ++i) {
            if (shown.initialPage.actions[i].iconName === "action/home")
                home = shown.initialPage.actions[i];
        }
        verify(home, "a Home action");
        compare(home.name, "Home");
        home.trigger();
        compare(root.__currAppId, Harness.homeId);
        compare(root.pageStack.currentItem, app(root, Harness.homeId).initialPage);
    }
}
