.pragma library

// Looking up objects in a QML object tree by objectName, for the tests.

function __kids(item) {
    if (item.data !== undefined)
        return item.data;
    return item.children !== undefined ? item.children : [];
}

// The first object below `item` (its children and other data, depth first)
// with that objectName.
function find(item, objectName) {
    if (!item)
        return null;
    if (item.objectName === objectName)
        return item;
    var kids = __kids(item);
    for (var i = 0; i < kids.length; ++i) {
        var found = find(kids[i], objectName);
        if (found)
            return found;
    }
    return null;
}

// Every object below `item` whose objectName begins with `prefix`, in
// depth-first order.
function findAll(item, prefix, found) {
    found = found || [];
    if (!item)
        return found;
    if (typeof item.objectName === "string" && item.objectName.indexOf(prefix) === 0)
        found.push(item);
    var kids = __kids(item);
    for (var i = 0; i < kids.length; ++i)
        findAll(kids[i], prefix, found);
    return found;
}
