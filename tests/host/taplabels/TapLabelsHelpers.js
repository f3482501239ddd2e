.pragma library
.import "../../support/qml/ObjectTree.js" as ObjectTree

// Look-ups and colour comparisons for the tap-label strip under test.

var find = ObjectTree.find;

// The four boxes, left to right, each with its inner rectangle and label.
function boxes(strip) {
    return ["inputA", "refA", "inputB", "refB"].map(function(name) {
        return {
            "name": name,
            "rect": find(strip, name + "Rect"),
            "inner": find(strip, name + "Inner"),
            "label": find(strip, name + "Label")
        };
    });
}

// Colours as "#aarrggbb" text, so that a colour and a colour name compare.
function argb(color) {
    var c = Qt.darker(color, 1.0);
    function hex(v) {
        var s = Math.round(v * 255).toString(16);
        return s.length < 2 ? "0" + s : s;
    }
    return "#" + hex(c.a) + hex(c.r) + hex(c.g) + hex(c.b);
}

function setKeys(strip, keys) {
    strip.chAInput = keys[0];
    strip.chARef = keys[1];
    strip.chBInput = keys[2];
    strip.chBRef = keys[3];
}

function codes(strip) {
    return [strip.chAInputColorCode, strip.chARefColorCode, strip.chBInputColorCode, strip.chBRefColorCode];
}
