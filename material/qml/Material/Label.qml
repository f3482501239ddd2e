import QtQuick 2.4

// Text in Roboto on the Material type scale. `style` names a step of the scale;
// the font settings it gives may be overridden one by one (font.pixelSize ...).
// The text is plain text: its characters are shown as they are, never read as
// markup (labels show app titles, badges, device names and other outside
// data). A label whose text our own code writes as markup may set textFormat.
Text {
    id: label

    // "display4", "display3", "display2", "display1", "headline", "title",
    // "subheading", "body2", "body1", "caption", "button" or "menu".
    property string style: "body1"

    readonly property var __step: Theme.__typeScale.hasOwnProperty(style) ? Theme.__typeScale[style] : __unknownStyle(style)
    // The Roboto face of this weight and slant, loaded before the text is laid
    // out and again whenever the font changes. A binding rather than handlers:
    // it only writes the theme's flags (see Theme.__requireFace()).
    readonly property bool __faceRequired: Theme.__requireFace(font.weight, font.italic)

    textFormat: Text.PlainText
    color: Theme.light.textColor
    font.family: Theme.fontFamily
    font.pixelSize: Units.dp(__step.size)
    font.weight: __step.weight
    font.capitalization: __step.caps ? Font.AllUppercase : Font.MixedCase

    function __unknownStyle(name) {
        console.log("Label: unknown style \"" + name + "\", using body1");
        return Theme.__typeScale["body1"];
    }
}
