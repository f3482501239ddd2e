import QtQuick 2.4
import Material.Private 0.1

// An icon, size × size. Give either a name or a source:
//   name   "group/name" (Google's Material Icons, e.g. "device/usb"),
//          "awesome/name" (Font Awesome 4, e.g. "awesome/play"),
//          "unicode/" + one character (that glyph of Material Design Icons);
//   source "icon://group/name" (the same as the first name form) or the URL of
//          an image file (SVG, PNG ...), tinted in `color` while colorize is set.
// source wins over name when both are set. An empty name draws nothing; a name
// that does not resolve draws nothing and logs one line.
Item {
    id: icon

    property string name: ""
    property url source: ""
    property color color: Theme.light.iconColor
    property bool colorize: true
    property real size: Units.dp(24)
    // Whether the icon resolved to something drawable.
    readonly property bool valid: __resolved.kind !== ""
    // The character drawn for a font icon, "" otherwise.
    readonly property string glyph: __resolved.kind === "glyph" ? __resolved.text : ""

    readonly property var __resolved: resolve(name, source.toString())

    width: size
    height: size
    implicitWidth: size
    implicitHeight: size

    // Turns a name or a source into { kind: "glyph" | "image" | "", text, family,
    // font, url }: font is the icon font's file, url the image file.
    function resolve(iconName, iconSource) {
        var nothing = { "kind": "", "text": "", "family": "", "font": "", "url": "" };
        var reference = iconSource !== "" ? iconSource : iconName;
        if (reference === "")
            return nothing;
        var material = "icon://";
        if (reference.indexOf(material) === 0) {
            reference = reference.substring(material.length);
            if (reference === "")
                return nothing;
            return __fontGlyph(IconCodepoints.material(reference.substring(reference.lastIndexOf("/") + 1)),
                               Theme.__iconFonts.material, iconSource !== "" ? iconSource : iconName);
        }
        if (iconSource !== "")
            return { "kind": "image", "text": "", "family": "", "font": "", "url": iconSource };
        var slash = reference.indexOf("/");
        var group = slash < 0 ? "" : reference.substring(0, slash);
        var rest = reference.substring(slash + 1);
        if (group === "unicode") {
            if (rest.length === 1)
                return __glyph(rest, Theme.__iconFonts.materialDesign);
            console.log("Icon.resolve(): \"" + reference + "\" is not \"unicode/\" and one character");
            return nothing;
        }
        if (group === "awesome")
            return __fontGlyph(IconCodepoints.awesome(rest), Theme.__iconFonts.awesome, reference);
        return __fontGlyph(IconCodepoints.material(rest.substring(rest.lastIndexOf("/") + 1)),
                           Theme.__iconFonts.material, reference);
    }

    // code is the name's code point in the font, -1 for an unknown name.
    function __fontGlyph(code, font, reference) {
        if (code < 0) {
            console.log("Icon.resolve(): unknown icon \"" + reference + "\"");
            return { "kind": "", "text": "", "family": "", "font": "", "url": "" };
        }
        return __glyph(String.fromCharCode(code), font);
    }

    function __glyph(text, font) {
        return { "kind": "glyph", "text": text, "family": font.family, "font": font.url, "url": "" };
    }

    // Draws the glyph straight from the icon font's file (no text item: a
    // text loads and matches its font as soon as it is made) or the picture,
    // once shown; a hidden icon keeps what it drew.
    IconPicture {
        id: picture
        anchors.fill: parent
        visible: icon.__resolved.kind !== ""
        glyph: icon.glyph
        fontSource: icon.__resolved.font
        source: icon.__resolved.kind === "image" ? icon.__resolved.url : ""
        color: icon.color
        tint: icon.colorize
    }
}
