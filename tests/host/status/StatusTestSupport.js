.pragma library

// Helpers shared by the status-centre tests.

// The first child object of `parent` (its data list) for which test(object) holds.
function child(parent, test) {
    var kids = parent.data;
    for (var i = 0; i < kids.length; ++i) {
        if (test(kids[i]))
            return kids[i];
    }
    return null;
}

// The fake StatusManager inside a status centre.
function device(statusCenter) {
    return child(statusCenter, function(o) { return o.isFakeStatusManager === true; });
}

// The battery blink animation inside a status centre.
function blinkAnimation(statusCenter) {
    return child(statusCenter, function(o) { return o.loops !== undefined && o.animations !== undefined; });
}

// The item below `item` (depth first, through children) with that objectName.
function find(item, objectName) {
    if (!item)
        return null;
    if (item.objectName === objectName)
        return item;
    for (var i = 0; i < item.children.length; ++i) {
        var found = find(item.children[i], objectName);
        if (found)
            return found;
    }
    return null;
}

function glyphName(codepoint) {
    return "unicode/" + String.fromCharCode(codepoint);
}
