import QtQuick 2.4
import QtTest 1.2
import Material 0.2
import "AppsHarness.js" as Harness
import "../../support/qml"
import "../../support/qml/HostileTexts.js" as Hostile

// The gauge in the real root window: what it shows of the launch parameters it
// receives in start and resume, its defaults, parameters of the wrong shape,
// and the simulated readings.
ShellFixture {
    id: testCase

    readonly property var wizardParams: ({
        "flowDevice": "FLOWDEVICE_TORNEL_3_FAN",
        "forceGaugeMode": "CHANNELMODE_FLOWAT50",
        "forcePressureUnits": "PRESSUREUNITS_PA",
        "chAInputLbl": "TAP_LABEL_NONE",
        "chARefLbl": "TAP_LABEL_OUTSIDE",
        "chBInputLbl": "TAP_LABEL_T3_FAN",
        "chBRefLbl": "TAP_LABEL_NONE"
    })

    name: "GaugeApp"

    PlainTextCheck {
        id: plain
    }

    function chip(gauge, objectName) {
        return Harness.find(Harness.find(gauge.initialPage, objectName), "chipValue").text;
    }

    function taps(gauge) {
        var texts = [];
        var channels = ["channelA", "channelB"];
        for (var i = 0; i < channels.length; ++i) {
            var card = Harness.find(gauge.initialPage, channels[i]);
            texts.push(Harness.find(Harness.find(card, "inputTap"), "tapText").text);
            texts.push(Harness.find(Harness.find(card, "referenceTap"), "tapText").text);
        }
        return texts;
    }

    function reading(gauge, channel) {
        return Harness.find(Harness.find(gauge.initialPage, channel), "reading").text;
    }

    function unit(gauge, channel) {
        return Harness.find(Harness.find(gauge.initialPage, channel), "unit").text;
    }

    // Goes home and launches the gauge again, as the home app does.
    function relaunch(root, params) {
        var home = app(root, Harness.homeId);
        app(root, Harness.gaugeId).goHome();
        waitForApp(root, Harness.homeId);
        if (params === undefined)
            home.launch(Harness.gaugeId);
        else
            home.launch(Harness.gaugeId, params);
        return waitForApp(root, Harness.gaugeId);
    }

    // The visible text items in `item` whose text holds `part`.
    function textsHolding(item, part, found) {
        found = found || [];
        if (typeof item.text === "string" && item.font !== undefined && item.visible
                && item.text.indexOf(part) >= 0)
            found.push(item);
        for (var i = 0; i < item.children.length; ++i)
            textsHolding(item.children[i], part, found);
        return found;
    }

    // Unit symbols keep the case they were given in every part of the gauge
    // that shows a text ("mPa" and "MPa" differ by a factor of 10^9).
    function test_unitsKeepTheirCase_data() {
        return ["Pa", "mPa", "MPa", "s", "kPa", "in H2O"].map(function(unit) {
            return { "tag": unit, "unit": unit };
        });
    }
    function test_unitsKeepTheirCase(data) {
        var root = startShell();
        app(root, Harness.homeId).launch(Harness.gaugeId);
        var page = waitForApp(root, Harness.gaugeId).initialPage;
        var u = data.unit;
        var parts = [
            { "url": "qrc:/GaugeChip.qml", "texts": 2, "properties": { "caption": u, "text": "12 " + u } },
            { "url": "qrc:/GaugeTapBox.qml", "texts": 2, "properties": { "caption": u, "text": "12 " + u } },
            { "url": "qrc:/GaugeChannelCard.qml", "texts": 8,
              "properties": { "channel": u, "title": u, "reading": "12 " + u, "unit": u, "inputCaption": u,
                              "referenceCaption": u, "inputLabel": "12 " + u, "referenceLabel": "12 " + u } }
        ];
        parts.forEach(function(part) {
            var component = Qt.createComponent(part.url);
            compare(component.status, Component.Ready, component.errorString());
            part.properties.width = Units.dp(220);
            part.properties.height = Units.dp(140);
            var shown = component.createObject(page, part.properties);
            verify(shown, part.url);
            var texts = textsHolding(shown, u);
            compare(texts.length, part.texts, part.url + ": texts that hold the unit");
            texts.forEach(function(text) {
                var where = part.url + " \"" + text.text + "\"";
                compare(text.font.capitalization, Font.MixedCase, where);
                verify(text.text === u || text.text === "12 " + u, where);
            });
            // Gone before the page, as a part of the page would go.
            shown.destroy();
        });
    }

    function test_defaultsWithoutParameters() {
        var root = startShell();
        app(root, Harness.homeId).launch(Harness.gaugeId);
        var gauge = waitForApp(root, Harness.gaugeId);
        compare(root.pageStack.currentItem.title, "Gauge");
        compare(chip(gauge, "modeChip"), "Pressure / Pressure");
        compare(chip(gauge, "unitsChip"), "Pa");
        compare(taps(gauge), ["Input", "Reference", "Input", "Reference"]);
        compare(unit(gauge, "channelA"), "Pa");
        screenshot(root, "gauge_defaults.png");
    }

    function test_wizardParametersInStartAndResume() {
        var root = startShell();
        // The wizard goes home first, then launches the gauge with its record.
        var home = app(root, Harness.homeId);
        home.launch(Harness.gaugeId, wizardParams);
        var gauge = waitForApp(root, Harness.gaugeId);
        compare(chip(gauge, "modeChip"), "Flow @50 Pa");
        compare(chip(gauge, "unitsChip"), "Pa");
        compare(taps(gauge), ["None", "Outside", "T3 Fan", "None"]);
        screenshot(root, "gauge_wizard.png");
        // Every later launch arrives through resume.
        relaunch(root, { "forceGaugeMode": "CHANNELMODE_AH_FLOW", "forcePressureUnits": "PRESSUREUNITS_PA",
                         "chAInputLbl": "TAP_LABEL_DUCT_AH", "chARefLbl": "TAP_LABEL_BUILDING",
                         "chBInputLbl": "TAP_LABEL_FLOW_BOX", "chBRefLbl": "TAP_LABEL_FAN_REF" });
        compare(chip(gauge, "modeChip"), "Air Handler Flow");
        compare(taps(gauge), ["Duct", "Building", "Flow Box", "Fan Ref"]);
        // Back from home without parameters the gauge keeps what it was set to.
        relaunch(root);
        compare(chip(gauge, "modeChip"), "Air Handler Flow");
        compare(taps(gauge), ["Duct", "Building", "Flow Box", "Fan Ref"]);
    }

    function test_parametersOfTheWrongShape_data() {
        return [
            { tag: "a string keeps the configuration", params: "CHANNELMODE_FLOW",
              mode: "Flow @50 Pa", taps: ["None", "Outside", "T3 Fan", "None"] },
            { tag: "a list keeps the configuration", params: ["CHANNELMODE_FLOW"],
              mode: "Flow @50 Pa", taps: ["None", "Outside", "T3 Fan", "None"] },
            { tag: "null keeps the configuration", params: null,
              mode: "Flow @50 Pa", taps: ["None", "Outside", "T3 Fan", "None"] },
            { tag: "missing and non-text members take their defaults",
              params: { "forceGaugeMode": 42, "chARefLbl": "", "chBInputLbl": "TAP_LABEL_WX_FAN" },
              mode: "Pressure / Pressure", taps: ["Input", "Reference", "WX Fan", "Reference"] },
            { tag: "unknown keys show their own names",
              params: { "forceGaugeMode": "CHANNELMODE_LEAKAGE_AREA", "chAInputLbl": "TAP_LABEL_ATTIC_HATCH" },
              mode: "LEAKAGE AREA", taps: ["ATTIC HATCH", "Reference", "Input", "Reference"] }
        ];
    }

    function test_parametersOfTheWrongShape(data) {
        var root = startShell();
        app(root, Harness.homeId).launch(Harness.gaugeId, wizardParams);
        var gauge = waitForApp(root, Harness.gaugeId);
        relaunch(root, data.params);
        compare(chip(gauge, "modeChip"), data.mode);
        compare(taps(gauge), data.taps);
    }

    function test_readingsChangeWhileShown() {
        var root = startShell();
        var gauge = app(root, Harness.gaugeId);
        verify(!gauge.measuring);
        app(root, Harness.homeId).launch(Harness.gaugeId);
        waitForApp(root, Harness.gaugeId);
        verify(gauge.measuring);
        var firstA = reading(gauge, "channelA");
        var firstB = reading(gauge, "channelB");
        tryVerify(function() { return reading(gauge, "channelA") !== firstA; }, 3000 * timeoutFactor, "channel A moves");
        tryVerify(function() { return reading(gauge, "channelB") !== firstB; }, 3000 * timeoutFactor, "channel B moves");
        // Plausible values for a depressurised house and its fan, in pascals.
        for (var i = 0; i < 4; ++i) {
            var shownA = reading(gauge, "channelA");
            var a = Number.fromLocaleString(Qt.locale(), shownA);
            var b = Number.fromLocaleString(Qt.locale(), reading(gauge, "channelB"));
            verify(a < -40 && a > -60, "channel A " + a);
            verify(b > 100 && b < 140, "channel B " + b);
            tryVerify(function() { return reading(gauge, "channelA") !== shownA; }, 3000 * timeoutFactor, "next sample");
        }
        // Hidden, the gauge stops sampling.
        gauge.goHome();
        waitForApp(root, Harness.homeId);
        verify(!gauge.measuring);
    }

    function test_readingsFollowTheUnits() {
        var root = startShell();
        app(root, Harness.homeId).launch(Harness.gaugeId, { "forcePressureUnits": "PRESSUREUNITS_INH2O" });
        var gauge = waitForApp(root, Harness.gaugeId);
        compare(chip(gauge, "unitsChip"), "in H\u2082O");
        compare(unit(gauge, "channelB"), "in H\u2082O");
        var shown = Number.fromLocaleString(Qt.locale(), reading(gauge, "channelA"));
        // -50 Pa is about -0.2 inches of water.
        verify(shown < -0.15 && shown > -0.25, "channel A " + shown);
        compare(reading(gauge, "channelA").split(".")[1].length, 3);
    }

    function test_unknownParametersShownAsTheirCharacters_data() {
        return Hostile.rows(testMarkerPicture);
    }

    // A mode or tap label the gauge does not know shows its own name: on the
    // mode chip, the four taps and the tap-label strip, as plain text.
    function test_unknownParametersShownAsTheirCharacters(data) {
        var root = startShell();
        var given = data.text;
        app(root, Harness.homeId).launch(Harness.gaugeId, { "forceGaugeMode": given, "chAInputLbl": given,
                                          "chARefLbl": given, "chBInputLbl": given, "chBRefLbl": given });
        var gauge = waitForApp(root, Harness.gaugeId);
        var texts = [given, gauge.modeText(given), gauge.tapLabelText(given)].filter(function(t, i, all) {
            return all.indexOf(t) === i;
        });
        var count = 0;
        for (var i = 0; i < texts.length; ++i) {
            var shown = Hostile.textItems(gauge.initialPage, texts[i]);
            count += shown.length;
            for (var j = 0; j < shown.length; ++j)
                compare(plain.problem(shown[j], texts[i]), "", String(shown[j]));
        }
        compare(count, 9, "the chip, four taps and four strip labels");
    }
}
