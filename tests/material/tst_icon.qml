import QtQuick 2.4
import QtTest 1.1
import Material 0.2

Item {
    id: root
    width: 200
    height: 200

    PixelProbe {
        id: probe
    }

    Rectangle {
        id: canvas
        width: 64
        height: 64
        color: "white"
    }

    TestCase {
    id: testCase
    name: "Icon"
    when: windowShown

    Component {
        id: iconComponent
        Icon {
            size: 48
            color: "#ff0000"
        }
    }

    function init() {
        canvas.visible = true;
    }

    function createIcon(properties) {
        var icon = createTemporaryObject(iconComponent, canvas, properties);
        verify(icon);
        return icon;
    }

    function test_resolve_data() {
        return [
            { tag: "icon:// material", source: "icon://device/usb", name: "", glyph: "\ue1e0", family: "Material Icons" },
            { tag: "group/name material", source: "", name: "action/bluetooth", glyph: "\ue1a7", family: "Material Icons" },
            { tag: "navigation close", source: "", name: "navigation/close", glyph: "\ue5cd", family: "Material Icons" },
            { tag: "awesome", source: "", name: "awesome/play", glyph: "\uf04b", family: "FontAwesome" },
            { tag: "awesome alias", source: "", name: "awesome/times", glyph: "\uf00d", family: "FontAwesome" },
            { tag: "unicode full battery", source: "", name: "unicode/\uf079", glyph: "\uf079", family: "Material Design Icons" },
            { tag: "unicode empty battery", source: "", name: "unicode/\uf08e", glyph: "\uf08e", family: "Material Design Icons" },
            { tag: "source wins over name", source: "icon://action/home", name: "awesome/play", glyph: "\ue88a", family: "Material Icons" },
            // The ends of the sorted tables, and a name that begins another.
            { tag: "first material name", source: "", name: "av/10k", glyph: "\ue951", family: "Material Icons" },
            { tag: "a name that begins others", source: "", name: "content/add", glyph: "\ue145", family: "Material Icons" },
            { tag: "first awesome name", source: "", name: "awesome/500px", glyph: "\uf26e", family: "FontAwesome" }
        ];
    }

    function test_resolve(data) {
        var icon = createIcon({ "source": data.source, "name": data.name });
        verify(icon.valid);
        compare(icon.glyph, data.glyph);
        compare(icon.__resolved.family, data.family);
    }

    function test_unknownDrawsNothing_data() {
        return [
            { tag: "unknown material", name: "action/no_such_icon" },
            { tag: "unknown awesome", name: "awesome/no-such-icon" },
            { tag: "unicode without character", name: "unicode/" },
            { tag: "unicode with two characters", name: "unicode/ab" },
            { tag: "the start of a name", name: "content/ad" },
            { tag: "a name and a NUL", name: "content/add\u0000x" },
            { tag: "a name with a non-ASCII letter", name: "content/add\u00e9" },
            { tag: "after the last name", name: "awesome/zzzz" }
        ];
    }

    function test_unknownDrawsNothing(data) {
        var icon = createIcon({ "name": data.name });
        compare(icon.valid, false);
        compare(icon.glyph, "");
        compare(inkedPixels(icon), 0);
    }

    // The text items below an icon: a text loads and matches its font as soon
    // as it is made, even hidden and empty.
    function texts(item) {
        var found = item.text !== undefined && item.font !== undefined ? [item] : [];
        for (var i = 0; i < item.children.length; ++i)
            found = found.concat(texts(item.children[i]));
        return found;
    }

    // Glyphs are drawn from the icon font's file: no icon makes a text.
    function test_iconsMakeNoText() {
        compare(texts(createIcon({ "name": "" })).length, 0);
        compare(texts(createIcon({ "source": Qt.resolvedUrl("data/triangle.svg") })).length, 0);
        var icon = createIcon({ "name": "action/home" });
        compare(texts(icon).length, 0);
        verify(inkedPixels(icon) > 40, "the glyph is drawn");
        icon.name = "";
        compare(inkedPixels(icon), 0);
    }

    function test_emptyIsSilentlyNothing() {
        // The status centre's battery blink sets an empty name, the bar then
        // asks for "icon://" with nothing after it.
        compare(createIcon({ "name": "" }).valid, false);
        compare(createIcon({ "source": "icon://" }).valid, false);
    }

    // Grabs the icon and counts its pixels that are mostly red (the icon colour).
    function inkedPixels(icon) {
        probe.grab(icon, "icon");
        tryCompare(probe, "ready", true);
        return probe.count(function(p) { return p.r > 200 && p.g < 120 && p.b < 120 && p.a > 200; });
    }

    // Grabs the icon and returns its pixels as one string, to compare drawings.
    function drawing(icon) {
        probe.grab(icon, "icon");
        tryCompare(probe, "ready", true);
        var text = "";
        for (var y = 0; y < probe.height; y += 2) {
            for (var x = 0; x < probe.width; x += 2)
                text += probe.pixel(x, y).r > 200 && probe.pixel(x, y).g < 120 ? "#" : ".";
        }
        return text;
    }

    function test_glyphsAreDrawn() {
        // A missing font would draw the same replacement box for every glyph.
        var names = ["action/home", "action/search", "awesome/play", "unicode/\uf079", "unicode/\uf085"];
        var images = [];
        for (var i = 0; i < names.length; ++i) {
            var icon = createIcon({ "name": names[i] });
            verify(inkedPixels(icon) > 40, names[i] + " draws");
            images.push(drawing(icon));
            icon.destroy();
        }
        for (i = 0; i < images.length; ++i) {
            for (var j = i + 1; j < images.length; ++j)
                verify(images[i] !== images[j], names[i] + " differs from " + names[j]);
        }
    }

    function test_imageSource() {
        var tinted = createIcon({ "source": Qt.resolvedUrl("data/triangle.svg") });
        compare(tinted.valid, true);
        compare(tinted.glyph, "");
        verify(inkedPixels(tinted) > 200, "tinted in the icon colour");

        var plain = createIcon({ "source": Qt.resolvedUrl("data/triangle.svg"), "colorize": false });
        var blue = function(p) { return p.b > 150 && p.r < 80 && p.a > 200; };
        probe.grab(plain, "icon");
        tryCompare(probe, "ready", true);
        verify(probe.count(blue) > 200, "own colours when colorize is off");
        compare(inkedPixels(plain), 0);
    }

    // The child of `icon` that draws its picture.
    function pictureOf(icon) {
        for (var i = 0; i < icon.children.length; ++i) {
            if (icon.children[i].ready !== undefined)
                return icon.children[i];
        }
        return null;
    }

    function test_picturesStayLoadedWhileHidden_data() {
        return [
            { tag: "tinted", source: Qt.resolvedUrl("data/triangle.svg"), name: "", colorize: true },
            { tag: "own colours", source: Qt.resolvedUrl("data/triangle.svg"), name: "", colorize: false },
            { tag: "glyph", source: "", name: "action/home", colorize: true }
        ];
    }

    // A page hidden and shown again (Go Back, a return to an app) keeps its
    // pictures instead of reading them again; one made hidden (a status bar
    // icon of an item kept out of the bar) reads its picture once it is shown.
    function test_picturesStayLoadedWhileHidden(data) {
        var properties = { "source": data.source, "name": data.name, "colorize": data.colorize };
        var icon = createIcon(properties);
        var picture = pictureOf(icon);
        verify(picture);
        compare(picture.ready, true);
        canvas.visible = false;
        compare(picture.ready, true);
        canvas.visible = true;
        verify(data.colorize ? inkedPixels(icon) > 200 : inkedPixels(icon) === 0, "drawn again once shown");

        canvas.visible = false;
        var hidden = createIcon(properties);
        compare(pictureOf(hidden).ready, false);
        canvas.visible = true;
        compare(pictureOf(hidden).ready, true);
    }
}
}
