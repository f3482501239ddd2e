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

    readonly property var __step: Theme.__typeScale.hasOwnProperty(style) ? Theme.__typeScale[style] : Theme.__typeScale["body1"]
    property bool __completed: false

    textFormat: Text.PlainText
    color: Theme.light.textColor
    font.family: Theme.fontFamily
    font.pixelSize: Units.dp(__step.size)
    font.weight: __step.weight
    font.capitalization: __step.caps ? Font.AllUppercase : Font.MixedCase
    onStyleChanged: {
        if (__completed)
            __checkStyle();
    }
    onFontChanged: {
        if (__completed)
            Theme.__requireFace(font.weight, font.italic);
    }
    Component.onCompleted: {
        __completed = true;
        __checkStyle();
    }

    function __checkStyle() {
        Theme.__requireFace(font.weight, font.italic);
        if (!Theme.__typeScale.hasOwnProperty(style))
            console.log("Label.__checkStyle(): unknown style \"" + style + "\", using body1");
    }
}
