.pragma library

// Helpers shared by the root window's tests.

// The first object below `item` (its children and other data, depth first)
// with that objectName.
function find(item, objectName) {
    if (!item)
        return null;
    if (item.objectName === objectName)
        return item;
    var kids = item.data !== undefined ? item.data : (item.children !== undefined ? item.children : []);
    for (var i = 0; i < kids.length; ++i) {
        var found = find(kids[i], objectName);
        if (found)
            return found;
    }
    return null;
}

function names(entries) {
    return entries.map(function(e) { return e.name; });
}
