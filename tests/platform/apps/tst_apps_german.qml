import QtQuick 2.4
import QtTest 1.2
import Material 0.2
import "AppsHarness.js" as Harness

// With the device in German every stand-in app finds its own catalogue:
// titles, texts and number formats follow the language.
ShellFixture {
    id: testCase

    name: "AppsGerman"

    function test_appsSpeakGerman() {
        var root = startShell();
        compare(language.language, "de-DE");
        var home = waitForApp(root, Harness.homeId);
        compare(root.pageStack.currentItem.title, "Startseite");
        home.launch(Harness.gaugeId, { "chAInputLbl": "TAP_LABEL_OUTSIDE" });
        var gauge = waitForApp(root, Harness.gaugeId);
        compare(Harness.find(Harness.find(gauge.initialPage, "modeChip"), "chipValue").text, "Druck / Druck");
        var channelA = Harness.find(gauge.initialPage, "channelA");
        compare(Harness.find(Harness.find(channelA, "inputTap"), "tapText").text, "Außen");
        // The shell's strip below says the same, in the case given: capitals
        // would spell it "AUßEN".
        var stripLabel = Harness.find(Harness.find(gauge.initialPage, "tapStrip"), "inputALabel");
        compare(stripLabel.text, "Außen");
        compare(stripLabel.font.capitalization, Font.MixedCase);
        // A decimal comma: "-49,7".
        verify(/^-\d+,\d$/.test(Harness.find(channelA, "reading").text), Harness.find(channelA, "reading").text);
        screenshot(root, "gauge_de.png");
        gauge.launch(Harness.settingsId);
        var settings = waitForApp(root, Harness.settingsId);
        compare(root.pageStack.currentItem.title, "Einstellungen");
        compare(Harness.find(settings.initialPage, "language_de-DE").selected, true);
        settings.launch(Harness.updatesId);
        var updates = waitForApp(root, Harness.updatesId);
        compare(Harness.find(updates.initialPage, "statusLabel").text, "Ihr Manometer ist auf dem neuesten Stand");
        updates.launch(Harness.powerId);
        waitForApp(root, Harness.powerId);
        var confirm = Harness.find(root.overlayLayer, "powerConfirmDialog");
        compare(confirm.title, "Ausschalten?");
        tryCompare(confirm, "opacity", 1);
        screenshot(root, "power_de.png");
    }
}
