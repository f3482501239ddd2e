import QtQuick 2.4
import QtTest 1.1
import Material 0.2

TestCase {
    id: testCase
    name: "Units"
    when: windowShown

    property real savedMultiplier
    property real savedDensity

    Component {
        id: boxComponent
        Item {
            width: Units.dp(48)
            height: Units.dp(26) + Units.dp(10)
        }
    }

    function initTestCase() {
        savedMultiplier = Units.multiplier;
        savedDensity = Units.pixelDensity;
    }

    function init() {
        Units.multiplier = 1;
        Units.pixelDensity = 160 / 25.4;
    }

    function cleanupTestCase() {
        Units.multiplier = savedMultiplier;
        Units.pixelDensity = savedDensity;
    }

    function test_baseline() {
        compare(Units.pixelSize, 1);
        compare(Units.dp(480), 480);
        compare(Units.dp(0.4), 0);
    }

    function test_bindingsFollowChanges_data() {
        return [
            { tag: "multiplier 1.6", multiplier: 1.6, density: 160 / 25.4, width: 77, height: 58 },
            { tag: "multiplier 2", multiplier: 2, density: 160 / 25.4, width: 96, height: 72 },
            { tag: "desktop density", multiplier: 1.6, density: 3.8, width: 46, height: 35 },
            { tag: "double density", multiplier: 1, density: 320 / 25.4, width: 96, height: 72 }
        ];
    }

    function test_bindingsFollowChanges(data) {
        var box = createTemporaryObject(boxComponent, testCase);
        verify(box);
        compare(box.width, 48);
        compare(box.height, 36);
        Units.multiplier = data.multiplier;
        Units.pixelDensity = data.density;
        compare(box.width, data.width);
        compare(box.height, data.height);
        Units.multiplier = 1;
        Units.pixelDensity = 160 / 25.4;
        compare(box.width, 48);
    }

    function test_defaultDensity() {
        // Before any assignment the density came from the screen, never below 160 dpi.
        verify(savedDensity >= 160 / 25.4 - 1e-9, "density " + savedDensity);
        verify(savedMultiplier === 1);
    }
}
