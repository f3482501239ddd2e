.pragma library
.import "../../support/qml/ObjectTree.js" as ObjectTree

// Helpers shared by the root window's tests.

var find = ObjectTree.find;

function names(entries) {
    return entries.map(function(e) { return e.name; });
}
