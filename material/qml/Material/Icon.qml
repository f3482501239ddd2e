import QtQuick 2.4
import Material.Private 0.1
import "IconCodepoints.js" as Codepoints

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
            return __fontGlyph(Codepoints.material, reference.substring(reference.lastIndexOf("/") + 1),
                               Theme.__materialIcons.name, iconSource !== "" ? iconSource : iconName);
        }
        if (iconSource !== "")
            return { "kind": "image", "text": "", "family": "", "url": iconSource };
        var slash = reference.indexOf("/");
        var group = slash < 0 ? "" : reference.substring(0, slash);
        var rest = reference.substring(slash + 1);
        if (group === "unicode") {
            if (rest.length === 1)
                return { "kind": "glyph", "text": rest, "family": Theme.__materialDesignIcons.name, "url": "" };
            console.log("Icon.resolve(): \"" + reference + "\" is not \"unicode/\" and one character");
            return nothing;
        }
        if (group === "awesome")
            return __fontGlyph(Codepoints.awesome, rest, Theme.__fontAwesome.name, reference);
        return __fontGlyph(Codepoints.material, rest.substring(rest.lastIndexOf("/") + 1),
                           Theme.__materialIcons.name, reference);
    }

    function __fontGlyph(table, glyphName, family, reference) {
        if (glyphName === "" || !table.hasOwnProperty(glyphName)) {
            console.log("Icon.resolve(): unknown icon \"" + reference + "\"");
            return { "kind": "", "text": "", "family": "", "url": "" };
        }
        return { "kind": "glyph", "text": String.fromCharCode(table[glyphName]), "family": family, "url": "" };
    }

    Text {
        id: glyphText
        anchors.centerIn: parent
        visible: icon.__resolved.kind === "glyph"
        text: icon.glyph
        color: icon.color
        font.family: icon.__resolved.family
        font.pixelSize: icon.size
        horizontalAlignment: Text.AlignHCenter
        verticalAlignment: Text.AlignVCenter
    }

    Image {
        id: plainImage
        anchors.fill: parent
        visible: icon.__resolved.kind === "image" && !icon.colorize
        source: visible ? icon.__resolved.url : ""
        sourceSize.width: width
        sourceSize.height: height
        fillMode: Image.PreserveAspectFit
        smooth: true
    }

    TintedImage {
        id: tintedImage
        anchors.fill: parent
        visible: icon.__resolved.kind === "image" && icon.colorize
        source: visible ? icon.__resolved.url : ""
        color: icon.color
    }
}
