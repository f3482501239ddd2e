import QtQuick 2.4
import QtTest 1.1
import Material 0.2

TestCase {
    id: testCase
    name: "Dialog"
    when: windowShown

    property var window: null
    property var dialog: null

    Component {
        id: windowComponent
        ApplicationWindow {
            width: 480
            height: 272
            visible: true
        }
    }

    Component {
        id: dialogComponent
        Dialog {
            title: "Confirm"
            text: "Start the test?"

            Rectangle {
                objectName: "contentChild"
                width: 100
                height: 30
            }
        }
    }

    SignalSpy { id: openedSpy; signalName: "opened" }
    SignalSpy { id: acceptedSpy; signalName: "accepted" }
    SignalSpy { id: rejectedSpy; signalName: "rejected" }
    SignalSpy { id: closedSpy; signalName: "closed" }

    function init() {
        Units.multiplier = 1;
        Units.pixelDensity = 160 / 25.4;
        window = createTemporaryObject(windowComponent, testCase);
        verify(window);
        // Declared inside the window's content, as an app declares its dialogs.
        dialog = createTemporaryObject(dialogComponent, window.contentItem.children[1]);
        verify(dialog);
        var spies = [openedSpy, acceptedSpy, rejectedSpy, closedSpy];
        for (var i = 0; i < spies.length; ++i) {
            spies[i].clear();
            spies[i].target = dialog;
        }
    }

    function openDialog() {
        dialog.open();
        compare(openedSpy.count, 1);
        verify(dialog.showing);
        tryCompare(dialog, "opacity", 1);
    }

    function button(name) {
        var found = findChild(dialog, name);
        verify(found, name);
        return found;
    }

    function test_opensInOverlayAboveEverything() {
        compare(dialog.visible, false);
        dialog.show();
        compare(openedSpy.count, 1, "show() opens too");
        compare(dialog.parent, window.overlayLayer);
        verify(dialog.visible);
        compare(dialog.x, Math.round((window.overlayLayer.width - dialog.width) / 2), "centred");
        verify(dialog.activeFocus, "the dialog takes the focus");

        var child = findChild(dialog, "contentChild");
        verify(child);
        verify(child.mapToItem(dialog, 0, 0).y >= 24 + 20, "content lies below title and text");
    }

    function test_tapOutside_data() {
        return [
            { tag: "dismissOnTap false ignores it", dismiss: false, showing: true },
            { tag: "dismissOnTap true closes", dismiss: true, showing: false }
        ];
    }

    function test_tapOutside(data) {
        dialog.dismissOnTap = data.dismiss;
        openDialog();
        mouseClick(window.overlayLayer, 5, 5);
        compare(dialog.showing, data.showing);
        compare(closedSpy.count, data.showing ? 0 : 1);
        compare(acceptedSpy.count, 0);
        compare(rejectedSpy.count, 0);
        if (!data.showing)
            tryCompare(dialog, "visible", false);
    }

    function test_tapOnCardKeepsItOpen() {
        dialog.dismissOnTap = true;
        openDialog();
        mouseClick(dialog, dialog.width / 2, 10);
        compare(dialog.showing, true);
    }

    function test_buttons_data() {
        return [
            { tag: "positive", button: "positiveButton", accepted: 1, rejected: 0 },
            { tag: "negative", button: "negativeButton", accepted: 0, rejected: 1 }
        ];
    }

    function test_buttons(data) {
        dialog.positiveButtonText = "Continue";
        dialog.negativeButtonText = "Go back";
        openDialog();
        var target = button(data.button);
        compare(target.text, data.accepted ? "Continue" : "Go back");
        mouseClick(target);
        compare(acceptedSpy.count, data.accepted);
        compare(rejectedSpy.count, data.rejected);
        compare(dialog.showing, false);
        compare(closedSpy.count, 1);
        tryCompare(dialog, "visible", false);
    }

    function test_positiveButtonDisabled() {
        dialog.positiveButtonEnabled = false;
        openDialog();
        mouseClick(button("positiveButton"));
        compare(acceptedSpy.count, 0);
        compare(dialog.showing, true);

        dialog.positiveButtonEnabled = true;
        mouseClick(button("positiveButton"));
        compare(acceptedSpy.count, 1);
        compare(dialog.showing, false);
    }

    function test_withoutActions() {
        dialog.hasActions = false;
        dialog.dismissOnTap = false;
        openDialog();
        // A dialog without actions makes no buttons.
        compare(findChild(dialog, "positiveButton"), null);
        compare(findChild(dialog, "negativeButton"), null);
        dialog.close();
        compare(closedSpy.count, 1);
        dialog.close();
        compare(closedSpy.count, 1, "closing a closed dialog does nothing");
    }

    function test_fixedHeightAndFloatingActions() {
        dialog.contentMargins = 0;
        dialog.floatingActions = true;
        dialog.title = "";
        dialog.text = "";
        dialog.height = Qt.binding(function() { return dialog.parent.height; });
        openDialog();
        compare(dialog.height, window.overlayLayer.height);
        var child = findChild(dialog, "contentChild");
        compare(child.mapToItem(dialog, 0, 0).x, 0, "no margins");
        compare(child.mapToItem(dialog, 0, 0).y, 0);
        var positive = button("positiveButton");
        verify(positive.mapToItem(dialog, 0, 0).y + positive.height <= dialog.height);
        mouseClick(positive);
        compare(acceptedSpy.count, 1);
    }

    function test_reopenAfterClose() {
        openDialog();
        dialog.close();
        tryCompare(dialog, "visible", false);
        dialog.open();
        compare(openedSpy.count, 2);
        verify(dialog.visible);
    }
}
