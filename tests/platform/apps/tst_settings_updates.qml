import QtQuick 2.4
import QtTest 1.2
import Material 0.2
import com.zel 1.0
import "AppsHarness.js" as Harness

// The settings and updates apps in the real root window show the device's own
// data: the gauge identity, the language, the installed software and app
// versions.
ShellFixture {
    id: testCase

    name: "SettingsUpdates"

    function rowValue(page, objectName) {
        return Harness.find(Harness.find(page, objectName), "value").text;
    }

    function test_settingsShowTheGaugeIdentity() {
        var root = startShell();
        app(root, Harness.homeId).launch(Harness.settingsId);
        var settings = waitForApp(root, Harness.settingsId);
        var page = settings.initialPage;
        compare(page.title, "Settings");
        var info = device.gaugeInfo;
        verify(info, "the device reports its identity");
        verify(info.serialNumber !== "");
        compare(rowValue(page, "modelRow"), info.modelNumber);
        compare(rowValue(page, "serialRow"), info.serialNumber);
        compare(rowValue(page, "calibrationRow"), info.calibrationDate);
        compare(rowValue(page, "softwareRow"), info.softwareVersion);
        screenshot(root, "settings.png");
    }

    function test_settingsShowTheLanguage() {
        var root = startShell();
        app(root, Harness.homeId).launch(Harness.settingsId);
        var settings = waitForApp(root, Harness.settingsId);
        compare(language.language, "en-US");
        compare(Harness.find(settings.initialPage, "languageName").text, "American English");
        verify(Harness.find(settings.initialPage, "languageCode").text.indexOf("en-US") >= 0);
    }

    function test_updatesListEveryAppWithItsVersion() {
        var root = startShell();
        app(root, Harness.homeId).launch(Harness.updatesId);
        var updates = waitForApp(root, Harness.updatesId);
        var page = updates.initialPage;
        compare(page.title, "Updates");
        compare(Harness.find(page, "statusLabel").text, "Your gauge is up to date");
        compare(Harness.find(page, "softwareVersionLabel").text, "Software version " + device.gaugeInfo.softwareVersion);
        var list = Harness.find(page, "appList");
        list.forceLayout();
        var records = appManager.appMetadataList;
        compare(list.count, records.length);
        var shown = [];
        for (var i = 0; i < list.count; ++i) {
            list.currentIndex = i;
            shown.push({ "title": Harness.find(list.currentItem, "appTitle").text,
                         "version": Harness.find(list.currentItem, "appVersion").text });
        }
        // In the shell's order, the home app first, each with its record's version.
        compare(shown.map(function(s) { return s.title; }),
                ["Home", "Gauge", "Lumvar", "Updates", "Settings", "Power Off"]);
        for (var j = 0; j < records.length; ++j) {
            var match = shown.filter(function(s) { return s.title === records[j].title; });
            compare(match.length, 1, records[j].id);
            compare(match[0].version, records[j].version, records[j].id);
        }
        screenshot(root, "updates.png");
    }

    function test_updatesCheckAgain() {
        var root = startShell();
        app(root, Harness.homeId).launch(Harness.updatesId);
        var updates = waitForApp(root, Harness.updatesId);
        var before = updates.lastChecked;
        var check = updates.initialPage.actions[0];
        compare(check.iconName, "navigation/refresh");
        check.trigger();
        verify(updates.lastChecked >= before);
        var snackbar = Harness.find(root.contentItem, "snackbar");
        verify(snackbar.opened);
        compare(snackbar.text, "No updates available");
    }

    StatusManager {
        id: device
    }
}
