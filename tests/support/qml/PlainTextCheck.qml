import QtQuick 2.4

// Tells whether a text item shows its text as plain text: laid out afresh with
// the same font and line settings, the text as plain text must be as wide
// (markup changes the width by whole characters or more: tags vanish, entities
// shrink, lines join, a picture takes its own width). A text wrapped and cut
// to a few lines may come out a pixel wider than a fresh layout of it.
Item {
    id: plainTextCheck

    readonly property real __tolerance: 1.5

    visible: false

    // "" when `item` shows `expected` as plain text, else what differs.
    function problem(item, expected) {
        if (item.text !== expected)
            return "the text is \"" + String(item.text).substring(0, 80) + "\"";
        var reference = referenceComponent.createObject(plainTextCheck, {
            "font": item.font,
            "width": item.width,
            "wrapMode": item.wrapMode,
            "maximumLineCount": item.maximumLineCount,
            "elide": item.elide,
            "horizontalAlignment": item.horizontalAlignment,
            "text": expected
        });
        var width = reference.implicitWidth;
        reference.destroy();
        if (Math.abs(item.implicitWidth - width) > __tolerance)
            return "implicitWidth " + item.implicitWidth + ", as plain text " + width;
        if (item.textFormat !== Text.PlainText)
            return "textFormat " + item.textFormat + ", not Text.PlainText";
        return "";
    }

    Component {
        id: referenceComponent

        Text {
            textFormat: Text.PlainText
        }
    }
}
