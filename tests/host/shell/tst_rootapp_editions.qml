import QtQuick 2.4
import QtTest 1.2
import Material 0.2
import "ShellHarness.js" as Harness

// The device edition and the desktop edition "Veltra Connect": window size,
// flags, title and where the apps appear.
TestCase {
    id: testCase

    readonly property string homeId: "com.ostrelle.veltra.RecHome"
    property real __multiplier: 1
    property real __pixelDensity: 1

    name: "RootAppEditions"
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
        // The content takes the window's size once the window is on screen.
        tryCompare(root.contentItem, "width", root.width);
        tryCompare(root.contentItem, "height", root.height);
        return root;
    }

    function appArea(root) {
        var loader = Harness.find(root.contentItem, "appLoader_" + homeId);
        var topLeft = loader.mapToItem(root.contentItem, 0, 0);
        return Qt.rect(topLeft.x, topLeft.y, loader.width, loader.height);
    }

    function test_deviceEdition() {
        var root = startShell(false);
        compare(root.width, Units.dp(480));
        compare(root.height, Units.dp(272));
        compare(root.minimumWidth, root.width);
        compare(root.maximumHeight, root.height);
        compare(root.title, "Veltra");
        compare(root.flags, -2013204479);
        compare(String(root.color), "#ffffff");
        compare(appArea(root), Qt.rect(0, 0, root.width, root.height));
        compare(root.pageStack.clip, false);
        compare(Harness.find(root.contentItem, "veltraConnectFrameLoader").active, false);
        compare(root.toolbarTopMargin, root.statusBarHeight);
    }

    function test_desktopEdition() {
        var root = startShell(true);
        compare(root.width, 1200);
        compare(root.height, 748);
        compare(root.maximumWidth, 1200);
        compare(root.minimumHeight, 748);
        compare(root.title, "Veltra Connect");
        compare(root.flags, Qt.MSWindowsFixedSizeDialogHint | Qt.FramelessWindowHint);
        compare(root.color.a, 0);
        compare(appArea(root), Qt.rect(278, 165, 630, 357));
        compare(root.pageStack.clip, true);
        compare(Units.multiplier, 1.6);
        compare(Units.pixelDensity, 3.8);
        var frameLoader = Harness.find(root.contentItem, "veltraConnectFrameLoader");
        compare(frameLoader.status, Loader.Ready);
        // The status centre and the pages lie inside the screen area.
        var slot = Harness.find(root.contentItem, "statusCenterSlot");
        verify(slot);
        var slotAt = slot.mapToItem(root.contentItem, 0, 0);
        compare(slotAt.x, 278);
        compare(slotAt.y, 165);
    }

    // Presses on the device picture drag the window; presses on the screen go
    // to the app. The picture's border ends strictly at the frame sizes.
    function test_frameDragsByItsBorder_data() {
        return [
            { tag: "corner", x: 10, y: 10, drags: true },
            { tag: "screen", x: 500, y: 300, drags: false },
            { tag: "x 277", x: 277, y: 300, drags: true },
            { tag: "x 278", x: 278, y: 300, drags: false },
            { tag: "x 908", x: 908, y: 300, drags: false },
            { tag: "x 909", x: 909, y: 300, drags: true },
            { tag: "y 164", x: 500, y: 164, drags: true },
            { tag: "y 165", x: 500, y: 165, drags: false },
            { tag: "y 522", x: 500, y: 522, drags: false },
            { tag: "y 523", x: 500, y: 523, drags: true }
        ];
    }
    function test_frameDragsByItsBorder(data) {
        var root = startShell(true);
        var area = Harness.find(root.contentItem, "frameDragArea");
        verify(area);
        var startX = root.x;
        var startY = root.y;
        mousePress(area, data.x, data.y);
        mouseMove(area, data.x + 50, data.y + 20);
        mouseRelease(area, data.x + 50, data.y + 20);
        if (data.drags) {
            compare(root.x - startX, 50);
            compare(root.y - startY, 20);
            compare(area.clickPos.x, data.x);
        } else {
            compare(root.x, startX);
            compare(root.y, startY);
            compare(area.clickPos, "");
        }
    }

    function test_frameWithoutPictures() {
        // These tests run with an empty icon directory.
        var root = startShell(true);
        compare(icondir, "");
        var picture = Harness.find(root.contentItem, "devicePicture");
        compare(String(picture.source), "");
        var close = Harness.find(root.contentItem, "closeButton");
        verify(close.visible);
        compare(close.x + close.width, root.width - 4);
        compare(close.y, 4);
    }
}
