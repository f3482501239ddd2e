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

    Component {
        id: fieldComponent
        TextInput {
            width: 100
            height: 20
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

    // A person's tap: press, a moment, release; by mouse or by touch.
    function tap(item, x, y, touch) {
        if (touch) {
            touchEvent(item).press(0, item, x, y).commit();
            wait(40);
            touchEvent(item).release(0, item, x, y).commit();
        } else {
            mousePress(item, x, y);
            wait(40);
            mouseRelease(item, x, y);
        }
    }

    // A second tap while the dialog fades out does not run its action again.
    function test_secondTapWhileClosingIsIgnored_data() {
        var rows = [];
        var targets = ["positiveButton", "negativeButton", "outside"];
        for (var t = 0; t < targets.length; ++t) {
            for (var gap = 20; gap <= 100; gap += 80) {
                for (var touch = 0; touch < 2; ++touch)
                    rows.push({ tag: targets[t] + " " + gap + " ms " + (touch ? "touch" : "mouse"),
                                target: targets[t], gap: gap, touch: touch === 1 });
            }
        }
        return rows;
    }
    function test_secondTapWhileClosingIsIgnored(data) {
        dialog.dismissOnTap = true;
        openDialog();
        var item = data.target === "outside" ? window.overlayLayer : button(data.target);
        var x = data.target === "outside" ? 5 : item.width / 2;
        var y = data.target === "outside" ? 5 : item.height / 2;
        tap(item, x, y, data.touch);
        verify(dialog.visible, "still fading out");
        wait(data.gap);
        tap(item, x, y, data.touch);
        compare(acceptedSpy.count, data.target === "positiveButton" ? 1 : 0);
        compare(rejectedSpy.count, data.target === "negativeButton" ? 1 : 0);
        compare(closedSpy.count, 1);
        tryCompare(dialog, "visible", false);
    }

    // When a dialog closes, the focus goes back to where it was when it
    // opened, through stacked dialogs closed in either order.
    function test_focusReturnsWhereItWas_data() {
        return [
            { tag: "one dialog", stacked: false, order: ["first"] },
            { tag: "stacked, top first", stacked: true, order: ["second", "first"] },
            { tag: "stacked, bottom first", stacked: true, order: ["first", "second"] }
        ];
    }
    function test_focusReturnsWhereItWas(data) {
        var field = createTemporaryObject(fieldComponent, window.contentItem.children[1]);
        field.forceActiveFocus();
        verify(field.activeFocus);
        var first = dialog;
        var second = createTemporaryObject(dialogComponent, window.contentItem.children[1]);
        first.open();
        verify(first.activeFocus);
        if (data.stacked) {
            second.open();
            verify(second.activeFocus);
        }
        for (var i = 0; i < data.order.length; ++i) {
            var closing = data.order[i] === "first" ? first : second;
            var stillOpen = data.stacked && i === 0 ? (closing === first ? second : first) : null;
            closing.close();
            if (stillOpen)
                verify(stillOpen.activeFocus, "the dialog still open keeps the focus");
        }
        verify(field.activeFocus, "the field has the focus again");
        compare(window.activeFocusItem, field);
    }

    // The dialog opened last lies on top, also when an earlier dialog was
    // first opened after it.
    function test_lastOpenedLiesOnTop() {
        var other = createTemporaryObject(dialogComponent, window.contentItem.children[1]);
        other.open();
        other.close();
        dialog.open();
        other.open();
        tryCompare(other, "opacity", 1);
        var centre = other.mapToItem(window.overlayLayer, other.width / 2, other.height / 2);
        verify(window.overlayLayer.childAt(centre.x, centre.y) === other, "the last opened on top");
    }

    // With nothing focused before, a closed dialog keeps no focus: keys do not
    // go into it any more.
    function test_closedDialogKeepsNoFocus() {
        window.contentItem.forceActiveFocus();
        dialog.open();
        verify(dialog.activeFocus);
        dialog.close();
        verify(!dialog.activeFocus);
        verify(window.activeFocusItem === null || !dialog.__holds(window.activeFocusItem));
    }
}
