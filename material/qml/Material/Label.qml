import QtQuick 2.4

// Text in Roboto on the Material type scale. `style` names a step of the scale;
// the font settings it gives may be overridden one by one (font.pixelSize ...).
Text {
    id: label

    // "display4", "display3", "display2", "display1", "headline", "title",
    // "subheading", "body2", "body1", "caption", "button" or "menu".
    property string style: "body1"

    // size in dp, weight, and whether the text is set in capitals.
    readonly property var __typeScale: ({
        "display4": { "size": 112, "weight": Font.Light, "caps": false },
        "display3": { "size": 56, "weight": Font.Normal, "caps": false },
        "display2": { "size": 45, "weight": Font.Normal, "caps": false },
        "display1": { "size": 34, "weight": Font.Normal, "caps": false },
        "headline": { "size": 24, "weight": Font.Normal, "caps": false },
        "title": { "size": 20, "weight": Font.Medium, "caps": false },
        "subheading": { "size": 16, "weight": Font.Normal, "caps": false },
        "body2": { "size": 14, "weight": Font.Medium, "caps": false },
        "body1": { "size": 14, "weight": Font.Normal, "caps": false },
        "caption": { "size": 12, "weight": Font.Normal, "caps": false },
        "button": { "size": 14, "weight": Font.Medium, "caps": true },
        "menu": { "size": 14, "weight": Font.Medium, "caps": false }
    })
    readonly property var __step: __typeScale.hasOwnProperty(style) ? __typeScale[style] : __typeScale["body1"]
    property bool __completed: false

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
        if (!__typeScale.hasOwnProperty(style))
            console.log("Label.__checkStyle(): unknown style \"" + style + "\", using body1");
    }
}
