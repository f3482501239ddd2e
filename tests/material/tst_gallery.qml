import QtQuick 2.4
import QtTest 1.1
import Material 0.2

// Renders the gallery's scenes at the device size (480 × 272 dp, one pixel per
// dp) to gallery-<n>.png in the test's working directory, the build directory,
// and in scene 1 the components one by one to material-<Component>.png
// (scripts/docs-pictures.sh copies them all into docs/images/material/).
TestCase {
    id: testCase
    name: "Gallery"
    when: windowShown

    property real savedMultiplier
    property real savedDensity

    function initTestCase() {
        savedMultiplier = Units.multiplier;
        savedDensity = Units.pixelDensity;
        Units.multiplier = 1;
        Units.pixelDensity = 160 / 25.4;
    }

    function cleanupTestCase() {
        Units.multiplier = savedMultiplier;
        Units.pixelDensity = savedDensity;
    }

    function grabItem(item, file) {
        verify(item.width > 0 && item.height > 0, file);
        var saved = false;
        item.grabToImage(function(result) { saved = result.saveToFile(file); });
        tryVerify(function() { return saved; }, 5000 * timeoutFactor, file + " written");
    }

    function test_renderScenes() {
        var component = Qt.createComponent("../../material/gallery/Gallery.qml");
        compare(component.status, Component.Ready, component.errorString());
        var gallery = createTemporaryObject(component, testCase);
        verify(gallery);
        compare(gallery.width, 480);
        compare(gallery.height, 272);
        for (var scene = 1; scene <= gallery.sceneCount; ++scene) {
            gallery.showScene(scene);
            if (scene === 1)
                mousePress(gallery.pressDemo, gallery.pressDemo.width / 3, gallery.pressDemo.height / 2);
            tryVerify(function() { return gallery.settled; }, 5000 * timeoutFactor, "scene " + scene + " settles");
            var saved = false;
            var file = "gallery-" + scene + ".png";
            gallery.contentItem.grabToImage(function(result) { saved = result.saveToFile(file); });
            tryVerify(function() { return saved; }, 5000 * timeoutFactor, file + " written");
            if (scene === 1) {
                mouseRelease(gallery.pressDemo);
                tryVerify(function() { return gallery.settled; }, 5000 * timeoutFactor, "the ripple ends");
                for (var name in gallery.componentItems)
                    grabItem(gallery.componentItems[name], "material-" + name + ".png");
            }
        }
    }
}
