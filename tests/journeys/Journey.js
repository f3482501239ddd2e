.pragma library
.import "../support/qml/ObjectTree.js" as ObjectTree

// Looking at the screen as a person does: what a press at a point of the
// window reaches, and which control that is.

var find = ObjectTree.find;
var findAll = ObjectTree.findAll;

// The visual children of `item`, the one drawn on top first (higher z, then
// later in order).
function __topFirst(item) {
    var kids = [];
    for (var i = 0; i < item.children.length; ++i)
        kids.push({ "item": item.children[i], "order": i });
    kids.sort(function(a, b) { return b.item.z - a.item.z || b.order - a.order; });
    return kids.map(function(k) { return k.item; });
}

function __takesPresses(item) {
    // A MouseArea (an Ink is one) that takes the left button.
    return item.acceptedButtons !== undefined && item.pressAndHoldInterval !== undefined
        && (item.acceptedButtons & Qt.LeftButton) !== 0;
}

// The item a press at (x, y) of the window reaches: the topmost visible,
// enabled mouse area there, children before their parent, drawn-on-top
// first, nothing outside a clipping parent. null when there is none.
function hitTest(item, x, y) {
    if (!item || !item.visible || !item.enabled)
        return null;
    var p = item.mapFromItem(null, x, y);
    var inside = p.x >= 0 && p.y >= 0 && p.x < item.width && p.y < item.height;
    if (item.clip && !inside)
        return null;
    var kids = __topFirst(item);
    for (var i = 0; i < kids.length; ++i) {
        var found = hitTest(kids[i], x, y);
        if (found)
            return found;
    }
    return inside && __takesPresses(item) ? item : null;
}

// The nearest of `item` and its ancestors whose objectName passes `test`.
function namedAncestor(item, test) {
    for (var p = item; p; p = p.parent) {
        if (typeof p.objectName === "string" && test(p.objectName))
            return p;
    }
    return null;
}

// The Material dialog that `item` lies in, or null.
function dialogOf(item) {
    for (var p = item; p; p = p.parent) {
        if (p.showing !== undefined && p.hasActions !== undefined && p.dismissOnTap !== undefined)
            return p;
    }
    return null;
}

// The Flickable that scrolls `item`, or null.
function flickableOf(item) {
    for (var p = item ? item.parent : null; p; p = p.parent) {
        if (p.flickableDirection !== undefined && p.contentX !== undefined)
            return p;
    }
    return null;
}

// The on-screen key below `item` that types `text` and is shown, or null.
function keyFor(item, text) {
    if (!item)
        return null;
    if (item.key !== undefined && item.key === text && item.visible && item.hidden === false)
        return item;
    for (var i = 0; i < item.children.length; ++i) {
        var found = keyFor(item.children[i], text);
        if (found)
            return found;
    }
    return null;
}

// The keys below `item` that are shown, grouped by row (by their y in the
// window), top row first.
function keyRows(item) {
    var keys = [];
    (function collect(i) {
        if (i.key !== undefined && i.hidden === false && i.visible)
            keys.push(i);
        for (var k = 0; k < i.children.length; ++k)
            collect(i.children[k]);
    })(item);
    var rows = {};
    keys.forEach(function(k) {
        var y = Math.round(k.mapToItem(null, 0, 0).y);
        (rows[y] = rows[y] || []).push(k);
    });
    return Object.keys(rows).map(Number).sort(function(a, b) { return a - b; })
        .map(function(y) { return rows[y]; });
}
