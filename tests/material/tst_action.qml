import QtQuick 2.4
import QtTest 1.1
import Material 0.2

Item {
    id: root
    width: 200
    height: 200

    Action {
        id: shortcutAction
        name: "Screenshot"
        shortcut: "Ctrl+Alt+S"
    }

    Component {
        id: actionButtonComponent
        ActionButton {
            iconName: "awesome/play"
        }
    }

    Component {
        id: buttonComponent
        Button {
            text: "Start"
        }
    }

    Component {
        id: actionComponent
        Action {
            iconName: "action/home"
            name: "Home"
        }
    }

    TestCase {
        id: testCase
        name: "Action"
        when: windowShown

        SignalSpy {
            id: triggeredSpy
            signalName: "triggered"
        }

        SignalSpy {
            id: clickedSpy
            signalName: "clicked"
        }

        function init() {
            triggeredSpy.clear();
            clickedSpy.clear();
            shortcutAction.enabled = true;
            triggeredSpy.target = shortcutAction;
        }

        function test_trigger() {
            shortcutAction.trigger();
            compare(triggeredSpy.count, 1);
            shortcutAction.enabled = false;
            shortcutAction.trigger();
            compare(triggeredSpy.count, 1, "a disabled action does not trigger");
        }

        function test_shortcut() {
            keyClick(Qt.Key_S, Qt.ControlModifier | Qt.AltModifier);
            compare(triggeredSpy.count, 1);
            keyClick(Qt.Key_S, Qt.ControlModifier);
            compare(triggeredSpy.count, 1, "other sequences do nothing");
            shortcutAction.enabled = false;
            keyClick(Qt.Key_S, Qt.ControlModifier | Qt.AltModifier);
            compare(triggeredSpy.count, 1);
        }

        function test_buttonsTriggerTheirAction_data() {
            return [
                { tag: "ActionButton", component: actionButtonComponent },
                { tag: "Button", component: buttonComponent }
            ];
        }

        function test_buttonsTriggerTheirAction(data) {
            var action = createTemporaryObject(actionComponent, testCase);
            var button = createTemporaryObject(data.component, root, { "action": action });
            verify(button);
            triggeredSpy.target = action;
            clickedSpy.target = button;
            mouseClick(button);
            compare(clickedSpy.count, 1);
            compare(triggeredSpy.count, 1);
            action.enabled = false;
            compare(button.enabled, false);
            mouseClick(button);
            compare(clickedSpy.count, 1, "disabled with its action");
            compare(triggeredSpy.count, 1);
        }

        function test_actionButtonSizes() {
            var fab = createTemporaryObject(actionButtonComponent, root);
            compare(fab.width, Units.dp(56));
            fab.isMiniSize = true;
            compare(fab.width, Units.dp(40));
            compare(fab.height, fab.width);
        }
    }
}
