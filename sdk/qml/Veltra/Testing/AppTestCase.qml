import QtQuick 2.4
import QtTest 1.2
import "ObjectTree.js" as ObjectTree
import "Taps.js" as Taps

// A test case for an app, run by the SDK's runner (veltra-qmltest): the real
// shell window over the installed apps and the app under test (VELTRA_TEST_APPS,
// which veltra_add_app_tests() sets), started as the shell starts it. Each
// test function starts its own window with startShell(); it is destroyed when
// the function ends.
TestCase {
    id: appTestCase

    // The id of the app under test (its record's "id").
    property string appId: ""
    // The home app: the launcher among the installed apps.
    property string homeAppId: "com.ostrelle.veltra.Home"
    // Time-outs are multiplied by VELTRA_TIMEOUT_FACTOR (slow machines, CI).
    readonly property real timeout: 10000 * (typeof timeoutFactor === "number" ? timeoutFactor : 1)

    when: windowShown

    // The shell's window with every app loaded, `startupId` (default: the app
    // under test) shown first. Returns the window.
    function startShell(startupId) {
        var component = Qt.createComponent("qrc:/VeltraRootApp.qml");
        compare(component.status, Component.Ready, component.errorString());
        var root = createTemporaryObject(component, appTestCase);
        verify(root, "the shell's window");
        root.__homeAppId = homeAppId;
        root.__startupAppId = startupId === undefined ? appId : startupId;
        root.__singleAppMode = false;
        root.autoOffWarning = false;
        tryVerify(function() { return __allLoaded(root); }, timeout, "every app loaded");
        return root;
    }

    // The app `id` (its VeltraApp), null when it did not load.
    function app(root, id) {
        var loader = findItem(root.contentItem, "appLoader_" + id);
        verify(loader, "the shell lists " + id);
        return loader.item;
    }

    // Waits until the app `id` (default: the app under test) is current and its
    // page is shown and settled; returns the app.
    function waitForApp(root, id) {
        var wanted = id === undefined ? appId : id;
        tryCompare(root, "__currAppId", wanted, timeout);
        var shown = app(root, wanted);
        verify(shown, wanted + " loaded");
        tryVerify(function() { return root.pageStack.currentItem === shown.initialPage; }, timeout,
                  wanted + " shows its page");
        tryCompare(root.pageStack, "busy", false, timeout);
        return shown;
    }

    // What the apps do to switch: launch(id, params) as VeltraApp.launch().
    function launch(root, id, params) {
        if (params === undefined)
            root.launchApp(id);
        else
            root.launchApp(id, params);
    }

    // The first object below `parent` (itself included, its children and
    // other data, depth first) whose objectName is `name`; null when none.
    function findItem(parent, name) {
        return ObjectTree.find(parent, name);
    }

    // The first visible object below `parent` whose `text` is `text`: a button
    // or a key by its label.
    function findByText(parent, text) {
        if (!parent)
            return null;
        if (parent.text === text && parent.visible !== false)
            return parent;
        var kids = parent.data !== undefined ? parent.data : (parent.children !== undefined ? parent.children : []);
        for (var i = 0; i < kids.length; ++i) {
            var found = findByText(kids[i], text);
            if (found)
                return found;
        }
        return null;
    }

    // A tap as a person makes one: press, about 80 ms, release (mouse or touch).
    function tap(item, x, y) {
        Taps.tap(appTestCase, item, x, y);
    }

    function touchTap(item, x, y) {
        Taps.touchTap(appTestCase, item, x, y);
    }

    // Saves the device screen as `fileName` (in the working directory).
    function screenshot(root, fileName) {
        var saved = false;
        root.contentItem.grabToImage(function(result) {
            saved = result.saveToFile(fileName);
        });
        tryVerify(function() { return saved; }, timeout, "screenshot " + fileName + " saved");
    }

    function __allLoaded(root) {
        var keyboard = findItem(root.contentItem, "loaderKeyboardDialog");
        return keyboard !== null && keyboard.status !== Loader.Null;
    }
}
