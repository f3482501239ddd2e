.pragma library

// Helpers shared by the stand-in apps' tests.

var homeId = "com.ostrelle.veltra.Home";
var gaugeId = "com.ostrelle.veltra.Gauge";
var lumvarId = "com.ostrelle.veltra.Lumvar";
var updatesId = "com.ostrelle.veltra.Updates";
var settingsId = "com.ostrelle.veltra.Settings";
var powerId = "com.ostrelle.veltra.Power";

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

// Every object below `item` whose objectName begins with `prefix`, in
// depth-first order.
function findAll(item, prefix, found) {
    found = found || [];
    if (!item)
        return found;
    if (typeof item.objectName === "string" && item.objectName.indexOf(prefix) === 0)
        found.push(item);
    var kids = item.data !== undefined ? item.data : (item.children !== undefined ? item.children : []);
    for (var i = 0; i < kids.length; ++i)
        findAll(kids[i], prefix, found);
    return found;
}
