.pragma library

// Walks the visible item tree of a screen and names what does not fit or is
// hidden: a text wider than its box (a line that neither elides nor wraps, or
// one word longer than a wrapped line), a wrapped text taller than its box, a
// text cut short (elided, or lines dropped), a text set smaller than it reads
// to make it fit, a text put into capitals by its font that is not capitals
// itself (the font maps letter by letter: "ß" stays, "Pa" turns "PA"), and an
// item that lies (partly) outside the screen. What a clipping ancestor cuts
// off (a scrolled list, the wizard's large diagram) is not on the screen and
// is left alone as an item, though its texts are still read; the clipping
// item itself is checked. Two boxes are not looked at, only what they hold: a
// flickable's content item (its geometry follows the scrolling, not the
// screen) and the layers of a Material shadow, whose soft edge spreads past
// its surface by design.

var tolerance = 1;

// Font.AllUppercase
var __allUppercase = 1;

function __name(item) {
    return item.objectName ? "\"" + item.objectName + "\"" : String(item).replace(/\(0x[0-9a-f]+\)/, "");
}

function __describe(item) {
    var name = __name(item);
    // The nearest named ancestor says where an unnamed item is.
    for (var up = item.parent; !item.objectName && up; up = up.parent) {
        if (up.objectName) {
            name += " in \"" + up.objectName + "\"";
            break;
        }
    }
    if (typeof item.text === "string" && item.text !== "")
        name += " text \"" + item.text.replace(/\n/g, "\\n") + "\"";
    return name;
}

function __isText(item) {
    return item.elide !== undefined && item.truncated !== undefined && item.contentWidth !== undefined
            && item.wrapMode !== undefined && item.fontInfo !== undefined;
}

// `rules.smallest`: the smallest pixel size a text may be set to when it is
// made smaller than its own size to fit its box. `rules.mayCut(item)`, when
// given: true for a text that may be cut short (outside data shown whole
// elsewhere); without it no text may be.
function __checkText(item, rules, problems) {
    if (item.text === "" || item.width <= 0)
        return;
    var wraps = item.wrapMode !== 0; // Text.NoWrap
    if (item.contentWidth > item.width + tolerance) {
        problems.push(__describe(item) + " is " + Math.ceil(item.contentWidth) + " wide in a box of "
                      + Math.floor(item.width) + (wraps ? " (a word longer than a line)" : ""));
    }
    if (wraps && !item.truncated && item.height > 0 && item.contentHeight > item.height + tolerance) {
        problems.push(__describe(item) + " wraps to " + Math.ceil(item.contentHeight) + " high in a box of "
                      + Math.floor(item.height));
    }
    if (item.truncated && !(rules.mayCut && rules.mayCut(item)))
        problems.push(__describe(item) + " is cut short (" + (item.elide !== 3 ? "elided" : "lines dropped")
                      + ") in a box of " + Math.floor(item.width) + " x " + Math.floor(item.height));
    var shown = item.fontInfo.pixelSize;
    if (shown < item.font.pixelSize && shown < rules.smallest) {
        problems.push(__describe(item) + " is set at " + shown + " px to fit, smaller than "
                      + rules.smallest + " px (its own size " + item.font.pixelSize + ")");
    }
    if (item.font.capitalization === __allUppercase && item.text !== item.text.toLocaleUpperCase()) {
        problems.push(__describe(item) + " is put into capitals by its font, letter by letter; it should read \""
                      + item.text.toLocaleUpperCase() + "\" or keep its case");
    }
}

function __checkOnScreen(item, screen, problems) {
    if (item.width <= 0 || item.height <= 0)
        return;
    var topLeft = item.mapToItem(screen, 0, 0);
    var bottomRight = item.mapToItem(screen, item.width, item.height);
    var left = Math.min(topLeft.x, bottomRight.x);
    var right = Math.max(topLeft.x, bottomRight.x);
    var top = Math.min(topLeft.y, bottomRight.y);
    var bottom = Math.max(topLeft.y, bottomRight.y);
    if (left < -tolerance || top < -tolerance || right > screen.width + tolerance
            || bottom > screen.height + tolerance) {
        problems.push(__describe(item) + " lies at " + Math.round(left) + "," + Math.round(top) + " to "
                      + Math.round(right) + "," + Math.round(bottom) + ", outside the "
                      + screen.width + " x " + screen.height + " screen");
    }
}

function __isShadow(item) {
    return item.elevation !== undefined && item.__blur !== undefined && item.__layerCount !== undefined;
}

function __walk(item, screen, rules, clipped, problems, texts, boxFree) {
    if (!item || !item.visible || item.opacity === 0)
        return;
    if (!clipped && !boxFree)
        __checkOnScreen(item, screen, problems);
    if (__isText(item)) {
        __checkText(item, rules, problems);
        if (item.text !== "")
            texts.push(item);
    }
    if (__isShadow(item))
        return;
    var content = item.contentItem !== undefined && item.contentX !== undefined ? item.contentItem : null;
    var kids = item.children;
    for (var i = 0; i < kids.length; ++i)
        __walk(kids[i], screen, rules, clipped || item.clip, problems, texts, kids[i] === content);
}

// The problems of everything visible below `screen` (the window's content
// item), as readable lines. `rules` as for __checkText (smallest, mayCut);
// `texts`, when given, receives the visible text items that were checked.
function check(screen, rules, texts) {
    var problems = [];
    __walk(screen, screen, rules, false, problems, texts || []);
    return problems;
}
