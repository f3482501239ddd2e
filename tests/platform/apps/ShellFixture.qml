import QtQuick 2.4
import QtTest 1.2
import "AppsHarness.js" as Harness

// The real root window over the staged apps, started as the host starts it,
// with the home app as home and start-up app. Tests create one per test
// function (createTemporaryObject) and reach the apps through it.
TestCase {
    id: shellFixture

    name: "ShellFixture"
    when: windowShown

    function startShell(startupId) {
        var component = Qt.createComponent("qrc:/VeltraRootApp.qml");
        compare(component.status, Component.Ready, component.errorString());
        var root = createTemporaryObject(component, shellFixture);
        verify(root);
        // As the host does after loading.
        root.__homeAppId = Harness.homeId;
        root.__startupAppId = startupId === undefined ? Harness.homeId : startupId;
        root.__singleAppMode = false;
        root.autoOffWarning = false;
        tryVerify(function() { return allLoaded(root); }, 10000 * timeoutFactor, "every app loaded");
        tryCompare(root.contentItem, "width", root.width);
        return root;
    }

    function allLoaded(root) {
        var loaders = Harness.findAll(root.contentItem, "appLoader_");
        if (loaders.length === 0)
            return false;
        for (var i = 0; i < loaders.length; ++i) {
            if (loaders[i].status !== Loader.Ready)
                return false;
        }
        return true;
    }

    function app(root, appId) {
        var loader = Harness.find(root.contentItem, "appLoader_" + appId);
        verify(loader, "a loader for " + appId);
        return loader.item;
    }

    // Waits until `appId` is current and its page is the page shown.
    function waitForApp(root, appId) {
        tryCompare(root, "__currAppId", appId);
        var shown = app(root, appId);
        tryVerify(function() { return root.pageStack.currentItem === shown.initialPage; }, 5000 * timeoutFactor,
                  appId + " shows its page");
        // Lets the push transition and the first layout settle before a screenshot.
        tryCompare(root.pageStack, "busy", false);
        return shown;
    }

    // Saves the device screen as `fileName` in the working directory.
    function screenshot(root, fileName) {
        var saved = false;
        root.contentItem.grabToImage(function(result) {
            saved = result.saveToFile(fileName);
        });
        tryVerify(function() { return saved; }, 5000 * timeoutFactor, "screenshot " + fileName + " saved");
    }
}
