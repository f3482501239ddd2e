import QtQuick 2.4
import QtTest 1.2
import Material 0.2
import com.zel 1.0
import "ShellHarness.js" as Harness
import "../dialogs/DialogHelpers.js" as Keys
import "../../support/qml/Taps.js" as Taps

// The input dialogs in the real root window of both editions, with and
// without a title: every key of every layer lies inside the dialog and clear
// of its floating buttons, and the keys of the bottom row answer a tap.
TestCase {
    id: testCase

    readonly property string homeId: "com.ostrelle.veltra.RecHome"
    property real __multiplier: 1
    property real __pixelDensity: 1

    name: "InputDialogsFit"
    when: windowShown

    function initTestCase() {
        __multiplier = Units.multiplier;
        __pixelDensity = Units.pixelDensity;
    }

    function cleanup() {
        // The desktop edition sets the units for the whole program.
        Units.multiplier = __multiplier;
        Units.pixelDensity = __pixelDensity;
    }

    function startShell(desktop) {
        var component = Qt.createComponent("qrc:/VeltraRootApp.qml");
        compare(component.status, Component.Ready, component.errorString());
        var root = createTemporaryObject(component, testCase, { "__desktopEdition": desktop });
        root.__homeAppId = homeId;
        root.__startupAppId = homeId;
        root.autoOffWarning = false;
        tryCompare(root.contentItem, "width", root.width);
        return root;
    }

    // The shared keyboard dialog, or a number dialog made on an app's page.
    // The number dialog finds `vKeyboard` here, as an app's finds the window's.
    function dialogOf(root, type) {
        if (type === "keyboard") {
            var loader = Harness.find(root.contentItem, "loaderKeyboardDialog");
            tryCompare(loader, "status", Loader.Ready);
            return loader.item;
        }
        var component = Qt.createComponent("qrc:/NumberInputDialog.qml");
        compare(component.status, Component.Ready, component.errorString());
        return createTemporaryObject(component, root.pageStack.currentItem);
    }

    function rectIn(item, target) {
        var at = item.mapToItem(target, 0, 0);
        return Qt.rect(at.x, at.y, item.width, item.height);
    }

    function overlaps(a, b) {
        return a.x < b.x + b.width && b.x < a.x + a.width && a.y < b.y + b.height && b.y < a.y + a.height;
    }

    // Each key on show lies fully inside the dialog, under neither button.
    function checkKeys(dialog, pad, where) {
        var keys = Keys.visibleKeys(pad).filter(function(key) { return !key.hidden; });
        verify(keys.length >= 12, where + ": keys on show");
        var buttons = ["negativeButton", "positiveButton"].map(function(name) {
            return rectIn(Harness.find(dialog, name), dialog);
        });
        keys.forEach(function(key) {
            var box = rectIn(key, dialog);
            var name = where + " key " + Keys.labels([key]) + " " + JSON.stringify(box);
            verify(box.width > 0 && box.height > 0 && box.x >= 0 && box.y >= 0
                   && box.x + box.width <= dialog.width + 0.5 && box.y + box.height <= dialog.height + 0.5,
                   name + " inside the dialog");
            buttons.forEach(function(button) {
                verify(!overlaps(box, button), name + " clear of the button at " + JSON.stringify(button));
            });
        });
        return keys;
    }

    // The keys of the lowest row: each tap reaches the key (a layer key
    // changes the layer, the others change the text).
    function tapBottomRow(dialog, pad, keys, where) {
        var lowest = 0;
        keys.forEach(function(key) { lowest = Math.max(lowest, rectIn(key, dialog).y); });
        var field = Harness.find(dialog, "textField");
        keys.filter(function(key) { return rectIn(key, dialog).y === lowest; }).forEach(function(key) {
            var mode = pad.mode;
            var before = dialog.value;
            field.cursorPosition = before.length;
            Taps.tap(testCase, key);
            verify(dialog.value !== before || (mode !== undefined && pad.mode !== mode),
                   where + ": a tap on " + Keys.labels([key]) + " reaches it");
            if (mode !== undefined)
                pad.mode = mode;
        });
    }

    function test_everyKeyReachable_data() {
        var rows = [];
        ["keyboard", "number"].forEach(function(type) {
            [false, true].forEach(function(desktop) {
                [false, true].forEach(function(titled) {
                    rows.push({ "tag": type + (desktop ? ", desktop" : ", device") + (titled ? ", title" : ""),
                                "type": type, "desktop": desktop, "titled": titled });
                });
            });
        });
        return rows;
    }

    function test_everyKeyReachable(data) {
        var root = startShell(data.desktop);
        var dialog = dialogOf(root, data.type);
        verify(dialog);
        dialog.title = data.titled ? "Name of the room" : "";
        if (data.type === "keyboard")
            dialog.show({ "inputLabel": "Room", "hintLabel": "max 12", "initialValue": "ab" });
        else {
            dialog.inputLabel = "Flow";
            dialog.unitsLabel = "m³/h";
            dialog.initialValue = "12";
            dialog.open();
        }
        tryCompare(dialog, "opacity", 1);
        compare(dialog.parent, root.overlayLayer);
        var pad = Harness.find(dialog, data.type === "keyboard" ? "keyboard" : "numericKeypad");
        var where = data.tag;
        var shot = "inputdialog_" + data.type + (data.desktop ? "_desktop" : "_device") + (data.titled ? "_title" : "");
        if (data.type === "keyboard") {
            var layers = ["MODE_DEFAULT", "MODE_CAPS", "MODE_SYM"];
            for (var i = 0; i < layers.length; ++i) {
                pad.mode = layers[i];
                waitForRendering(root.contentItem);
                var keys = checkKeys(dialog, pad, where + ", " + layers[i]);
                saveShot(root, shot + "_" + layers[i].toLowerCase() + ".png");
                tapBottomRow(dialog, pad, keys, where + ", " + layers[i]);
            }
        } else {
            waitForRendering(root.contentItem);
            var padKeys = checkKeys(dialog, pad, where);
            saveShot(root, shot + ".png");
            tapBottomRow(dialog, pad, padKeys, where);
        }
        dialog.close();
        tryCompare(dialog, "visible", false);
        if (data.type === "number")
            dialog.destroy();
    }

    function saveShot(root, file) {
        var saved = false;
        root.contentItem.grabToImage(function(result) { saved = result.saveToFile(file); });
        tryVerify(function() { return saved; }, 5000 * timeoutFactor, file + " written");
    }

    VirtualKeyboard {
        id: vKeyboard
    }
}
