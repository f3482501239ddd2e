import QtQuick 2.4
import QtTest 1.1
import Material 0.2

TestCase {
    id: testCase
    name: "ApplicationWindow"
    when: windowShown

    property var window: null
    property int statusCentresMade: 0

    Component {
        id: windowComponent
        ApplicationWindow {
            width: 480
            height: 272
            visible: true
        }
    }

    Component {
        id: pageComponent
        Page {
            property bool acceptGoBack: false
            property int pageClicks: 0
            onGoBack: event.accepted = acceptGoBack

            MouseArea {
                anchors.fill: parent
                onClicked: parent.pageClicks += 1
            }
        }
    }

    Component {
        id: statusCentreComponent
        Rectangle {
            property bool expanded: false
            height: expanded ? 180 : 20
            color: "red"
            Component.onCompleted: testCase.statusCentresMade += 1

            MouseArea {
                anchors.fill: parent
                onClicked: parent.expanded = !parent.expanded
            }
        }
    }

    Component {
        id: actionComponent
        Action {}
    }

    SignalSpy {
        id: goBackSpy
        signalName: "goBack"
    }

    SignalSpy {
        id: triggeredSpy
        signalName: "triggered"
    }

    function init() {
        Units.multiplier = 1;
        Units.pixelDensity = 160 / 25.4;
        statusCentresMade = 0;
        goBackSpy.clear();
        triggeredSpy.clear();
        window = createTemporaryObject(windowComponent, testCase);
        verify(window);
    }

    function makePage(title) {
        var page = createTemporaryObject(pageComponent, testCase, { "title": title });
        verify(page);
        return page;
    }

    function settle() {
        tryCompare(window.pageStack, "busy", false);
    }

    function childrenNamed(parentItem, objectName) {
        var found = [];
        for (var i = 0; i < parentItem.children.length; ++i) {
            if (parentItem.children[i].objectName === objectName)
                found.push(parentItem.children[i]);
        }
        return found;
    }

    // Top-left corner of item in window coordinates.
    function windowPos(item) {
        return item.mapToItem(window.contentItem, 0, 0);
    }

    function test_pushPopReplace() {
        var first = makePage("first");
        var second = makePage("second");
        var third = makePage("third");
        window.pageStack.push({ "item": first });
        compare(window.pageStack.depth, 1);
        compare(window.pageStack.currentItem, first);

        window.pageStack.push({ "item": second });
        settle();
        compare(window.pageStack.depth, 2);
        compare(window.pageStack.currentItem, second);
        compare(first.visible, false);

        window.pageStack.push({ "item": third, "replace": true, "immediate": true });
        compare(window.pageStack.busy, false, "immediate push has no transition");
        compare(window.pageStack.depth, 2);
        compare(window.pageStack.currentItem, third);
        compare(second.visible, false);

        window.pageStack.pop({ "immediate": true });
        compare(window.pageStack.busy, false);
        compare(window.pageStack.depth, 1);
        compare(window.pageStack.currentItem, first);
        compare(first.visible, true);

        window.pageStack.pop();
        compare(window.pageStack.depth, 1, "the last page is never popped");

        window.pageStack.clear();
        compare(window.pageStack.depth, 0);
        compare(window.pageStack.currentItem, null);
    }

    function test_animatedPushIsBusyUntilDone() {
        window.pageStack.push({ "item": makePage("first") });
        window.pageStack.push({ "item": makePage("second") });
        compare(window.pageStack.busy, true);
        settle();
        window.pageStack.pop();
        compare(window.pageStack.busy, true);
        settle();
        compare(window.pageStack.currentItem.title, "first");
    }

    function test_initialPage() {
        var first = makePage("first");
        window.initialPage = first;
        compare(window.pageStack.depth, 1, "set on an empty stack: pushed");
        compare(window.pageStack.currentItem, first);

        // The shell resets the stack itself, then records the page.
        var other = makePage("other");
        window.pageStack.clear();
        window.pageStack.push({ "item": other, "replace": true });
        window.initialPage = other;
        compare(window.pageStack.depth, 1, "not pushed twice");
        compare(window.pageStack.currentItem, other);
    }

    function test_goBack_data() {
        return [
            { tag: "accepted stops the pop", accept: true, depth: 2 },
            { tag: "not accepted pops", accept: false, depth: 1 }
        ];
    }

    function test_goBack(data) {
        var first = makePage("first");
        var second = makePage("second");
        second.acceptGoBack = data.accept;
        goBackSpy.target = second;
        window.pageStack.push({ "item": first });
        window.pageStack.push({ "item": second, "immediate": true });

        var back = findChild(window.actionBar, "backButton");
        verify(back);
        verify(back.visible);
        mouseClick(back);
        compare(goBackSpy.count, 1);
        settle();
        compare(window.pageStack.depth, data.depth);
        compare(window.pageStack.currentItem, data.accept ? second : first);
        compare(back.visible, data.depth > 1, "back only while more than one page");
    }

    function test_backActionTriggerRaisesGoBack() {
        var first = makePage("first");
        var second = makePage("second");
        goBackSpy.target = second;
        window.pageStack.push({ "item": first });
        window.pageStack.push({ "item": second, "immediate": true });
        second.backAction.trigger();
        compare(goBackSpy.count, 1);
        settle();
        compare(window.pageStack.currentItem, first);
    }

    function test_layoutInsideFrame_data() {
        return [
            { tag: "device", left: 0, right: 0, top: 0, bottom: 0, toolbar: 26, width: 480, height: 272 },
            { tag: "desktop frame", left: 278, right: 292, top: 165, bottom: 226, toolbar: 26, width: 1200, height: 748 },
            { tag: "no status margin", left: 10, right: 20, top: 30, bottom: 40, toolbar: 0, width: 480, height: 272 }
        ];
    }

    function test_layoutInsideFrame(data) {
        window.width = data.width;
        window.height = data.height;
        window.leftFrameSize = data.left;
        window.rightFrameSize = data.right;
        window.topFrameSize = data.top;
        window.bottomFrameSize = data.bottom;
        window.toolbarTopMargin = data.toolbar;
        window.statusCenterComponent = statusCentreComponent;
        var page = makePage("page");
        window.pageStack.push({ "item": page });

        var innerWidth = data.width - data.left - data.right;
        var status = window.statusCenter;
        verify(status);
        compare(windowPos(status).x, data.left);
        compare(windowPos(status).y, data.top);
        compare(status.width, innerWidth);
        compare(status.height, 20, "the status centre sets its own height");

        var bar = window.actionBar;
        compare(windowPos(bar).x, data.left);
        compare(windowPos(bar).y, data.top + data.toolbar);
        compare(bar.width, innerWidth);

        compare(windowPos(page).x, data.left);
        compare(windowPos(page).y, data.top + data.toolbar + bar.height);
        compare(page.width, innerWidth);
        compare(windowPos(page).y + page.height, data.height - data.bottom);

        var overlay = window.overlayLayer;
        compare(windowPos(overlay).x, data.left);
        compare(windowPos(overlay).y, data.top);
        compare(overlay.width, innerWidth);
        compare(overlay.height, data.height - data.top - data.bottom);
    }

    function test_statusCentreCoversPagesWhenExpanded() {
        window.toolbarTopMargin = 20;
        window.statusCenterComponent = statusCentreComponent;
        var page = makePage("page");
        window.pageStack.push({ "item": page });
        compare(statusCentresMade, 1);

        mouseClick(page, page.width / 2, page.height / 2);
        compare(page.pageClicks, 1, "collapsed: the page takes the tap");

        mouseClick(window.statusCenter, 10, 10);
        compare(window.statusCenter.expanded, true);
        compare(window.statusCenter.height, 180);
        mouseClick(page, page.width / 2, 40);
        compare(page.pageClicks, 1, "expanded: the status centre lies over the page");
        compare(window.statusCenter.expanded, false);

        window.pageStack.push({ "item": makePage("next"), "immediate": true });
        window.theme.primaryColor = "green";
        compare(statusCentresMade, 1, "made once");
    }

    function test_actionBar() {
        var page = makePage("Captures");
        var names = ["one", "two", "three", "four", "five"];
        var actions = [];
        for (var i = 0; i < names.length; ++i)
            actions.push(createTemporaryObject(actionComponent, testCase, { "name": names[i], "iconName": "action/home" }));
        page.actions = actions;
        page.actionBar.maxActionCount = 2;
        triggeredSpy.target = actions[1];
        window.pageStack.push({ "item": page });

        var bar = window.actionBar;
        var background = findChild(bar, "actionBarBackground");
        verify(Qt.colorEqual(background.color, window.theme.primaryColor), "primary colour background");
        window.theme.primaryColor = "#123456";
        verify(Qt.colorEqual(background.color, "#123456"));

        var overflow = findChild(bar, "overflowButton");
        var actionRow = findChild(bar, "actionRow");
        waitForItemPolished(actionRow);
        var buttons = childrenNamed(actionRow, "actionButton");
        compare(buttons.length, 2);
        compare(buttons[0].action, actions[0]);
        verify(overflow.visible);

        mouseClick(buttons[1]);
        compare(triggeredSpy.count, 1);

        triggeredSpy.clear();
        triggeredSpy.target = actions[4];
        mouseClick(overflow);
        verify(bar.overflowMenu.showing);
        var column = findChild(bar.overflowMenu, "overflowColumn");
        waitForItemPolished(column);
        var items = childrenNamed(column, "overflowItem");
        compare(items.length, 3, "the other three actions");
        mouseClick(items[2]);
        compare(triggeredSpy.count, 1);
        compare(bar.overflowMenu.showing, false);

        page.actionBar.maxActionCount = 5;
        compare(overflow.visible, false, "all fit: no overflow menu");
    }

    function test_themeReachesLibrary() {
        window.theme.accentColor = "#00ff00";
        verify(Qt.colorEqual(Theme.accentColor, "#00ff00"));
        window.theme.backgroundColor = "#101010";
        verify(Qt.colorEqual(Theme.backgroundColor, "#101010"));
    }
}
