.pragma library
.import "../../support/qml/ObjectTree.js" as ObjectTree

// Helpers shared by the stand-in apps' tests.

var homeId = "com.ostrelle.veltra.Home";
var gaugeId = "com.ostrelle.veltra.Gauge";
var lumvarId = "com.ostrelle.veltra.Lumvar";
var updatesId = "com.ostrelle.veltra.Updates";
var settingsId = "com.ostrelle.veltra.Settings";
var powerId = "com.ostrelle.veltra.Power";

var find = ObjectTree.find;
var findAll = ObjectTree.findAll;
