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

    function init() {
        // Nothing chosen for the next start: the running language stays stored.
        verify(language.setLanguage(language.language));
    }

    function languageRow(page, code) {
        var row = Harness.find(page, "language_" + code);
        verify(row, "a row for " + code);
        return row;
    }

    // Scrolls the language list to `code`'s row and taps it, as a user would.
    function tapLanguage(page, code) {
        var list = Harness.find(page, "languageList");
        list.positionViewAtIndex(list.model.map(function(l) { return l.code; }).indexOf(code), ListView.Contain);
        var row = languageRow(page, code);
        tryVerify(function() {
            var at = row.mapToItem(list, 0, 0);
            return at.y >= 0 && at.y + row.height <= list.height;
        }, 2000 * timeoutFactor, code + " scrolled into view");
        mouseClick(Harness.find(row, "tapArea"));
    }

    function test_settingsListEveryLanguageByItsOwnName() {
        var root = startShell();
        app(root, Harness.homeId).launch(Harness.settingsId);
        var settings = waitForApp(root, Harness.settingsId);
        var page = settings.initialPage;
        var list = Harness.find(page, "languageList");
        compare(list.count, 11);
        var expected = { "de-DE": "Deutsch", "en-BE": "English (Belgium)", "en-GB": "English (UK)",
                         "en-US": "English (US)", "es-ES": "Español", "fr-FR": "Français", "it-IT": "Italiano",
                         "nb-NO": "Norsk bokmål", "nl-NL": "Nederlands", "pt-BR": "Português (Brasil)",
                         "zh-CN": "中文（简体）" };
        // The list offers exactly the languages the device supports.
        compare(list.model.map(function(l) { return l.code; }), language.supportedLanguages);
        for (var code in expected) {
            list.positionViewAtIndex(language.supportedLanguages.indexOf(code), ListView.Contain);
            var row = languageRow(page, code);
            compare(Harness.find(row, "languageName").text, expected[code], code);
            compare(row.selected, code === "en-US", code);
        }
        compare(Harness.find(page, "nextStartNote").visible, false);
        screenshot(root, "settings_languages.png");
    }

    function test_choosingALanguageStoresItForTheNextStart() {
        var root = startShell();
        app(root, Harness.homeId).launch(Harness.settingsId);
        var settings = waitForApp(root, Harness.settingsId);
        var page = settings.initialPage;
        var note = Harness.find(page, "nextStartNote");
        tapLanguage(page, "nb-NO");
        compare(language.storedLanguage, "nb-NO");
        // The running language and its texts stay until the next start.
        compare(language.language, "en-US");
        compare(page.title, "Settings");
        verify(languageRow(page, "nb-NO").selected);
        verify(!languageRow(page, "en-US").selected);
        tryCompare(note, "visible", true);
        compare(note.text, "Takes effect at the next start");
        screenshot(root, "settings_language_chosen.png");

        tapLanguage(page, "zh-CN");
        compare(language.storedLanguage, "zh-CN");
        // Back to the running language: nothing pending any more.
        tapLanguage(page, "en-US");
        compare(language.storedLanguage, "en-US");
        tryCompare(note, "visible", false);
        verify(languageRow(page, "en-US").selected);
    }

    // A choice that cannot be written is said so, and not shown as chosen.
    function test_aChoiceThatCannotBeSavedIsSaidSo() {
        var root = startShell();
        app(root, Harness.homeId).launch(Harness.settingsId);
        var settings = waitForApp(root, Harness.settingsId);
        var page = settings.initialPage;
        var note = Harness.find(page, "nextStartNote");
        var before = language.storedLanguage;
        verify(simulatedDevice.setSavedFileWritable("global.conf", false));
        tapLanguage(page, "nb-NO");
        simulatedDevice.setSavedFileWritable("global.conf", true);
        compare(language.storedLanguage, before);
        verify(!languageRow(page, "nb-NO").selected);
        tryCompare(note, "visible", true);
        compare(note.text, "Could not be saved");
        screenshot(root, "settings_language_not_saved.png");
        tapLanguage(page, "nb-NO");
        compare(language.storedLanguage, "nb-NO");
        compare(note.text, "Takes effect at the next start");
        tapLanguage(page, "en-US");
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
        // In the shell's order, the home app first, each with its record's
        // version. Apps of other teams installed beside ours may come in
        // between; ours are all there, in their order.
        var ours = ["Home", "Gauge", "Lumvar", "Updates", "Settings", "Power Off"];
        compare(shown.map(function(s) { return s.title; })
                     .filter(function(title) { return ours.indexOf(title) >= 0; }), ours);
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
