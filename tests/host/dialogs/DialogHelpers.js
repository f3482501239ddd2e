.pragma library

// Looks-ups in the item trees of the dialogs and keyboards under test.

function findAll(item, predicate, found) {
    var result = found === undefined ? [] : found;
    if (!item)
        return result;
    if (predicate(item))
        result.push(item);
    var children = item.children;
    for (var i = 0; i < children.length; ++i)
        findAll(children[i], predicate, result);
    return result;
}

function find(item, objectName) {
    var found = findAll(item, function(candidate) { return candidate.objectName === objectName; });
    return found.length > 0 ? found[0] : null;
}

function isKey(item) {
    return item.hidden !== undefined && item.icon !== undefined && item.clicked !== undefined;
}

// The key buttons on show (those of hidden layers are not).
function visibleKeys(root) {
    return findAll(root, function(item) { return isKey(item) && item.visible; });
}

// The key on show, and not hidden, that is labelled `label`.
function key(root, label) {
    var found = visibleKeys(root).filter(function(k) { return !k.hidden && k.icon.name === "" && k.text === label; });
    return found.length === 1 ? found[0] : null;
}

// The key on show that carries the icon `iconName`.
function iconKey(root, iconName) {
    var found = visibleKeys(root).filter(function(k) { return k.icon.name === iconName; });
    return found.length === 1 ? found[0] : null;
}

function labels(keys) {
    return keys.map(function(k) { return k.icon.name !== "" ? "[" + k.icon.name + "]" : k.text; });
}
