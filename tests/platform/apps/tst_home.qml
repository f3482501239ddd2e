import QtQuick 2.4
import QtTest 1.2
import Material 0.2
import "AppsHarness.js" as Harness

// The launcher in the real root window over the staged apps: which apps it
// offers and in what order, their titles, icons and badges, and launching.
ShellFixture {
    id: testCase

    name: "HomeApp"

    function init() {
        var ids = [Harness.gaugeId, Harness.lumvarId, Harness.settingsId];
        for (var i = 0; i < ids.length; ++i)
            appManager.removeBadge(ids[i]);
    }

    function tiles(home) {
        var grid = Harness.find(home.initialPage, "appGrid");
        verify(grid);
        grid.forceLayout();
        var found = [];
        for (var i = 0; i < grid.count; ++i) {
            grid.currentIndex = i;
            found.push(grid.currentItem);
        }
        return found;
    }

    function tile(home, appId) {
        var all = tiles(home);
        for (var i = 0; i < all.length; ++i) {
            if (all[i].appId === appId)
                return all[i];
        }
        return null;
    }

    function test_offersTheOtherAppsInSequenceOrder() {
        var root = startShell();
        var home = waitForApp(root, Harness.homeId);
        var all = tiles(home);
        // Apps of other teams installed beside ours may come in between; ours
        // are all there, in their order.
        var ours = [Harness.gaugeId, Harness.lumvarId, Harness.updatesId, Harness.settingsId, Harness.powerId];
        var shown = all.filter(function(t) { return ours.indexOf(t.appId) >= 0; });
        compare(shown.map(function(t) { return t.appId; }), ours);
        compare(shown.map(function(t) { return t.title; }), ["Gauge", "Lumvar", "Updates", "Settings", "Power Off"]);
        // The visible text is the title.
        compare(Harness.find(shown[4], "titleLabel").text, "Power Off");
        compare(root.pageStack.currentItem.title, "Home");
        // All of them fit on the screen at once: no tile reaches below the page
        // (with the apps of the device alone; more apps scroll).
        var page = home.initialPage;
        if (all.length === ours.length) {
            for (var i = 0; i < shown.length; ++i) {
                var bottom = shown[i].mapToItem(page, 0, shown[i].height).y;
                verify(bottom <= page.height, shown[i].appId + " ends at " + bottom + " of " + page.height);
            }
        }
        screenshot(root, "home.png");
    }

    function test_iconsArePicturesOrMaterialIcons() {
        var root = startShell();
        var home = waitForApp(root, Harness.homeId);
        // Records with an iconFileName show that picture from the icon directory.
        var gauge = tile(home, Harness.gaugeId);
        var picture = Harness.find(gauge, "picture");
        compare(String(picture.source), String(icondir) + "gauge.color.svg");
        tryCompare(picture, "status", Image.Ready);
        verify(picture.visible);
        verify(gauge.showsPicture);
        tryCompare(Harness.find(tile(home, Harness.lumvarId), "picture"), "status", Image.Ready);
        // Records with a Material icon name show that icon on a plate.
        var settings = tile(home, Harness.settingsId);
        verify(!settings.showsPicture);
        var glyph = Harness.find(settings, "glyph");
        compare(glyph.name, "action/settings");
        verify(glyph.valid);
        verify(glyph.visible);
        // A name that resolves needs no fallback: none is made.
        compare(Harness.find(settings, "fallbackGlyph"), null);
    }

    function test_badgesFollowTheStore() {
        var root = startShell();
        var home = waitForApp(root, Harness.homeId);
        var gauge = tile(home, Harness.gaugeId);
        // A tile without a badge text makes no badge.
        compare(Harness.find(gauge, "badge"), null);
        appManager.setBadgeText(Harness.gaugeId, "3");
        var badge = Harness.find(gauge, "badge");
        verify(badge.visible);
        compare(Harness.find(gauge, "badgeLabel").text, "3");
        // Only the app that has the badge shows it.
        compare(Harness.find(tile(home, Harness.lumvarId), "badge"), null);
        appManager.setBadgeText(Harness.gaugeId, "New");
        compare(Harness.find(gauge, "badgeLabel").text, "New");
        verify(badge.width >= badge.height);
        appManager.setBadgeText(Harness.settingsId, "1");
        screenshot(root, "home_badges.png");
        appManager.removeBadge(Harness.gaugeId);
        compare(Harness.find(gauge, "badge"), null);
        verify(Harness.find(tile(home, Harness.settingsId), "badge").visible);
        // An empty badge text shows no badge.
        appManager.setBadgeText(Harness.settingsId, "");
        compare(Harness.find(tile(home, Harness.settingsId), "badge"), null);
    }

    function test_aTapLaunchesTheApp() {
        var root = startShell();
        var home = waitForApp(root, Harness.homeId);
        var updates = tile(home, Harness.updatesId);
        mouseClick(updates);
        var shown = waitForApp(root, Harness.updatesId);
        compare(shown.appId, Harness.updatesId);
        // Back home the launcher shows its own page again.
        shown.goHome();
        waitForApp(root, Harness.homeId);
        mouseClick(tile(home, Harness.gaugeId));
        waitForApp(root, Harness.gaugeId);
    }

    function test_recordsOfAnyShape_data() {
        return [
            { tag: "empty list", list: [], ids: [], noApps: true },
            { tag: "not a list", list: "apps", ids: [], noApps: true },
            { tag: "no list", list: undefined, ids: [], noApps: true },
            { tag: "holes and records without an id",
              list: [null, 7, { "title": "No id" }, { "id": "com.x.A", "title": "A", "sequence": 2, "icon": "action/home" }],
              ids: ["com.x.A"], noApps: false },
            { tag: "without sequence last",
              list: [{ "id": "com.x.B", "title": "B" }, { "id": "com.x.A", "title": "A", "sequence": 5 },
                     { "id": "com.x.C", "title": "C", "sequence": "1" }],
              ids: ["com.x.C", "com.x.A", "com.x.B"], noApps: false }
        ];
    }

    function test_recordsOfAnyShape(data) {
        var root = startShell();
        var home = waitForApp(root, Harness.homeId);
        home.appList = data.list;
        compare(tiles(home).map(function(t) { return t.appId; }), data.ids);
        compare(Harness.find(home.initialPage, "noAppsLabel").visible, data.noApps);
    }

    function test_recordWithoutIconOrTitle() {
        var root = startShell();
        var home = waitForApp(root, Harness.homeId);
        home.appList = [{ "id": "com.x.Plain", "name": "plain", "sequence": 1 },
                        { "id": "com.x.Odd", "title": "Odd", "icon": "nosuchgroup/nosuchicon", "sequence": 2 }];
        var plain = tile(home, "com.x.Plain");
        compare(plain.title, "plain");
        verify(!plain.showsPicture);
        verify(Harness.find(plain, "glyph").valid);
        // A name that does not resolve shows the fallback icon instead.
        var odd = tile(home, "com.x.Odd");
        verify(!Harness.find(odd, "glyph").valid);
        compare(Harness.find(odd, "fallbackGlyph").name, "navigation/apps");
        verify(Harness.find(odd, "fallbackGlyph").valid);
    }
}
