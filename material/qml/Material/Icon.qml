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

    // Turns a name or a source into { kind: "glyph" | "image" | "", text, family, url }.
    function resolve(iconName, iconSource) {
        var nothing = { "kind": "", "text": "", "family": "", "url": "" };
        var reference = iconSource !== "" ? iconSource : iconName;
        if (reference === "")
            return nothing;
        var material = "icon://";
        if (reference.indexOf(material) === 0) {
            reference = reference.substring(material.length);
            if (reference === "")
                return nothing;
            return __fontGlyph(IconCodepoints.material(reference.substring(reference.lastIndexOf("/") + 1)),
                               Theme.__iconFamily("material"), iconSource !== "" ? iconSource : iconName);
        }
        if (iconSource !== "")
            return { "kind": "image", "text": "", "family": "", "url": iconSource };
        var slash = reference.indexOf("/");
        var group = slash < 0 ? "" : reference.substring(0, slash);
        var rest = reference.substring(slash + 1);
        if (group === "unicode") {
            if (rest.length === 1)
                return { "kind": "glyph", "text": rest, "family": Theme.__iconFamily("materialDesign"), "url": "" };
            console.log("Icon.resolve(): \"" + reference + "\" is not \"unicode/\" and one character");
            return nothing;
        }
        if (group === "awesome")
            return __fontGlyph(IconCodepoints.awesome(rest), Theme.__iconFamily("awesome"), reference);
        return __fontGlyph(IconCodepoints.material(rest.substring(rest.lastIndexOf("/") + 1)),
                           Theme.__iconFamily("material"), reference);
    }

    // code is the name's code point in the font, -1 for an unknown name.
    function __fontGlyph(code, family, reference) {
        if (code < 0) {
            console.log("Icon.resolve(): unknown icon \"" + reference + "\"");
            return { "kind": "", "text": "", "family": "", "url": "" };
        }
        return { "kind": "glyph", "text": String.fromCharCode(code), "family": family, "url": "" };
    }

    // The glyph's text exists only for a font icon: a text item loads its font
    // as soon as it is made, even hidden and empty, and every new size of a
    // font costs a font engine.
    Loader {
        id: glyphLoader
        anchors.centerIn: parent
        active: icon.__resolved.kind === "glyph"
        sourceComponent: Text {
            textFormat: Text.PlainText
            text: icon.glyph
            color: icon.color
            font.family: icon.__resolved.family
            font.pixelSize: icon.size
            horizontalAlignment: Text.AlignHCenter
            verticalAlignment: Text.AlignVCenter
        }
    }

    // A picture, tinted in `color` or (colorize off) in its own colours. It
    // is read once shown and kept while hidden.
    TintedImage {
        id: picture
        anchors.fill: parent
        visible: icon.__resolved.kind === "image"
        source: icon.__resolved.kind === "image" ? icon.__resolved.url : ""
        color: icon.color
        tint: icon.colorize
    }
}
