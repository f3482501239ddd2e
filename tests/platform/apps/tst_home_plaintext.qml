import QtQuick 2.4
import QtTest 1.2
import Material 0.2
import "AppsHarness.js" as Harness
import "../../support/qml"
import "../../support/qml/HostileTexts.js" as Hostile
import "../../material" as MaterialTests

// Badges and app titles on the launcher are plain text: in the real root
// window over home, gauge, settings, the wizard and an app whose record title
// is markup (fixtures/). A badge stays one line inside its pill on the card.
ShellFixture {
    id: testCase

    readonly property string markupId: "com.ostrelle.veltra.MarkupTitle"

    name: "HomePlainText"

    Component {
        id: controlComponent

        Image {
            cache: false
        }
    }

    PlainTextCheck {
        id: plain
    }

    MaterialTests.PixelProbe {
        id: pixels
    }

    function init() {
        appManager.removeBadge(Harness.gaugeId);
        appManager.removeBadge(Harness.settingsId);
        httpProbe.clear();
    }

    function tile(home, appId) {
        var grid = Harness.find(home.initialPage, "appGrid");
        grid.forceLayout();
        for (var i = 0; i < grid.count; ++i) {
            grid.currentIndex = i;
            if (grid.currentItem.appId === appId)
                return grid.currentItem;
        }
        return null;
    }

    function isMarker(p) {
        return p.r > 200 && p.g < 60 && p.b > 200;
    }

    function markerPixels(item, name) {
        pixels.grab(item, name);
        tryVerify(function() { return pixels.ready; }, 5000 * timeoutFactor);
        return pixels.count(isMarker);
    }

    // Waits until a picture asked for now from the web server has arrived, so
    // that a request made before it would have arrived too.
    function requestsAfterControl(name) {
        var path = "/control-" + name + ".png";
        var control = createTemporaryObject(controlComponent, testCase,
                                            { "source": "http://127.0.0.1:" + httpProbe.port + path });
        tryCompare(control, "status", Image.Ready);
        return httpProbe.paths.filter(function(p) { return p !== path; });
    }

    function test_badge_data() {
        var rows = Hostile.rows(testMarkerPicture);
        rows.push({ tag: "long", text: "Calibration due in 3 days: tap to book a service slot" });
        rows.push({ tag: "short lines", text: "a\nb\nc" });
        rows.push({ tag: "number and word", text: "3\nnew" });
        return rows;
    }

    // Set before the start, as a badge from the saved data is.
    function test_badge(data) {
        appManager.setBadgeText(Harness.gaugeId, data.text);
        var root = startShell();
        var gauge = tile(waitForApp(root, Harness.homeId), Harness.gaugeId);
        var label = Harness.find(gauge, "badgeLabel");
        // The pill holds the first line, and an ellipsis when more follow.
        var lines = data.text.split(/\r\n|[\n\r\u2028\u2029]/);
        compare(plain.problem(label, lines.length > 1 ? lines[0] + "\u2026" : data.text), "");
        // One line, inside the pill, and the pill inside the card.
        var pill = Harness.find(gauge, "badge");
        var card = Harness.find(gauge, "card");
        compare(label.lineCount, 1);
        verify(label.contentWidth > 0, "the line shows");
        verify(label.x >= 0 && label.x + label.width <= pill.width, "label " + label.x + " + " + label.width);
        verify(label.height <= pill.height, "label height " + label.height);
        var left = pill.mapToItem(card, 0, 0).x;
        verify(left >= 0 && left + pill.width <= card.width, "pill from " + left + ", " + pill.width + " wide");
        compare(markerPixels(gauge, "home-badge"), 0, "magenta pixels on the tile");
        screenshot(root, "home_badge_" + data.tag.replace(/ /g, "_") + ".png");
    }

    function test_title_data() {
        return test_badge_data();
    }

    // Any record's title: one line of its characters on the tile.
    function test_title(data) {
        var root = startShell();
        var home = waitForApp(root, Harness.homeId);
        home.appList = [{ "id": "com.x.Titled", "title": data.text, "sequence": 1 }];
        var titled = tile(home, "com.x.Titled");
        var label = Harness.find(titled, "titleLabel");
        compare(plain.problem(label, data.text), "");
        compare(label.lineCount, 1);
        verify(label.contentWidth > 0 && label.contentWidth <= label.width, "content " + label.contentWidth);
        compare(markerPixels(titled, "home-title"), 0, "magenta pixels on the tile");
    }

    function test_badgeNamingARemotePictureFetchesNothing() {
        appManager.setBadgeText(Harness.gaugeId, "<img src=\"http://127.0.0.1:" + httpProbe.port + "/badge.png\">");
        var root = startShell();
        var gauge = tile(waitForApp(root, Harness.homeId), Harness.gaugeId);
        verify(Harness.find(gauge, "badgeLabel"));
        compare(requestsAfterControl("badge"), []);
    }

    // The record's title on its tile and in the message shown while it loads.
    function test_titleFromTheRecord() {
        var record = appManager.appMetadataList.filter(function(r) { return r.id === markupId; })[0];
        verify(record.title.indexOf("<img src=\"" + testMarkerPicture + "\">") > 0, record.title);
        var component = Qt.createComponent("qrc:/VeltraRootApp.qml");
        var root = createTemporaryObject(component, testCase);
        root.__homeAppId = Harness.homeId;
        root.__startupAppId = Harness.homeId;
        root.autoOffWarning = false;
        // Before the app has loaded: the launching message names it.
        root.launchApp(markupId);
        var snackbar = Harness.find(root.contentItem, "snackbar");
        verify(snackbar.opened);
        verify(snackbar.text.indexOf(record.title) >= 0, snackbar.text);
        var message = Hostile.textItems(snackbar, snackbar.text);
        compare(message.length, 1);
        compare(plain.problem(message[0], snackbar.text), "");
        tryVerify(function() { return allLoaded(root); }, 10000 * timeoutFactor, "every app loaded");
        waitForApp(root, markupId);
        app(root, markupId).goHome();
        var home = waitForApp(root, Harness.homeId);
        var titleLabel = Harness.find(tile(home, markupId), "titleLabel");
        compare(plain.problem(titleLabel, record.title), "");
        compare(markerPixels(tile(home, markupId), "home-title"), 0, "magenta pixels on the tile");
        appManager.setBadgeText(Harness.settingsId, "first line\nsecond line");
        appManager.setBadgeText(Harness.gaugeId, "<b>3</b> <img src=\"" + testMarkerPicture + "\">");
        screenshot(root, "home_markup.png");
    }
}
