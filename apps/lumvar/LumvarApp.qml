import QtQuick 2.4
import Material 0.2

// The tubing wizard: a question page per category (test type, direction,
// gauge location, flow device), then the tubing of the gauge's four taps with
// a diagram, and on request the gauge app with the matching configuration.
VeltraApp {
    id: lumvar

    // For those who look in from outside (tests): the tree and the dialog.
    readonly property alias __decisionTree: decisionTree
    readonly property alias __confirmDialog: confirmDialog

    title: qsTr("LUMVAR_APP_TITLE")
    theme.primaryColor: "#e51937"
    theme.backgroundColor: "#c9d5e3"
    theme.accentColor: "#335c88"
    theme.statusBarBackgroundColor: "#981125"
    initialPage: testTypePage

    onStart: setup()
    onResume: setup()
    // The confirm dialog lies over the whole screen: it must not stay open over
    // the app the user switched to.
    onPause: confirmDialog.close()

    // Back to the root with no answer given, on every start and resume.
    function setup() {
        decisionTree.reset();
        testTypePage.reset();
        testDirectionPage.reset();
        gaugeLocationPage.reset();
        testDevicePage.reset();
        testTypePage.options = decisionTree.getOptions();
        testTypePage.show();
    }

    // The page that asks the questions of `category` (a category map).
    function getPage(category) {
        var name = category ? category.category : undefined;
        var pages = [testTypePage, testDirectionPage, gaugeLocationPage, testDevicePage, connectionsPage];
        for (var i = 0; i < pages.length; ++i) {
            if (pages[i].category === name)
                return pages[i];
        }
        return undefined;
    }

    function __optionOf(category, key) {
        return key !== "" ? category[key] : undefined;
    }

    function __next(selectedKey) {
        decisionTree.push(selectedKey);
        var category = decisionTree.getCurrentCategory();
        var page = getPage(category);
        if (!page) {
            console.log("LumvarApp.__next(): no page after " + decisionTree.currentPath);
            decisionTree.pop();
            return;
        }
        if (category.category === "RESULTS") {
            var fields = decisionTree.getResult().split(":");
            page.chAInputLbl = "TAP_LABEL_" + fields[0];
            page.chARefLbl = "TAP_LABEL_" + fields[1];
            page.chBInputLbl = "TAP_LABEL_" + fields[2];
            page.chBRefLbl = "TAP_LABEL_" + fields[3];
        } else {
            page.options = decisionTree.getOptions();
        }
        pageStack.push({ "item": page, "immediate": true });
        page.show();
    }

    // Only the page on top goes back: a second, late tap (on the confirm
    // dialog's "Go Back" while it fades out) finds another page on top.
    function __isOnTop(page) {
        return pageStack !== null && pageStack.currentItem === page;
    }

    function __backFromQuestion(page, event) {
        event.accepted = true;
        if (!__isOnTop(page))
            return;
        decisionTree.pop();
        page.selectedKey = "";
        pageStack.pop({ "immediate": true });
        if (pageStack.currentItem && pageStack.currentItem.resetScrollbar)
            pageStack.currentItem.resetScrollbar();
        page.resetScrollbar();
        if (pageStack.currentItem)
            pageStack.currentItem.show();
    }

    function __backFromResult(event) {
        event.accepted = true;
        if (!__isOnTop(connectionsPage))
            return;
        decisionTree.pop();
        pageStack.pop({ "immediate": true });
        testDevicePage.resetScrollbar();
        testDevicePage.show();
    }

    function __launchParams() {
        var testType = __optionOf(decisionTree.testTypes, testTypePage.selectedKey);
        return {
            "flowDevice": testDevicePage.selectedKey,
            "forceGaugeMode": testType ? testType.forceGaugeMode : "",
            "forcePressureUnits": "PRESSUREUNITS_PA",
            "chAInputLbl": connectionsPage.chAInputLbl,
            "chARefLbl": connectionsPage.chARefLbl,
            "chBInputLbl": connectionsPage.chBInputLbl,
            "chBRefLbl": connectionsPage.chBRefLbl
        };
    }

    function __confirmText() {
        var prefix = "    - ";
        var text = "";
        var testType = __optionOf(decisionTree.testTypes, testTypePage.selectedKey);
        var direction = __optionOf(decisionTree.testDirections, testDirectionPage.selectedKey);
        var location = __optionOf(decisionTree.gaugeLocations, gaugeLocationPage.selectedKey);
        var device = __optionOf(decisionTree.devices, testDevicePage.selectedKey);
        if (testType)
            text += prefix + testType.label + "\n";
        if (direction)
            text += prefix + direction.label + "\n";
        if (location)
            text += prefix + qsTr("CONFIRM_SELECTIONS_DIALOG_GAUGE_LOCATION").arg(location.label) + "\n";
        if (device)
            text += prefix + device.label;
        return text;
    }

    DecisionTree {
        id: decisionTree
    }

    MultiChoicePage {
        id: testTypePage

        title: qsTr("TEST_TYPE_PAGE_TITLE")
        category: decisionTree.testTypes.category
        decisionTree: decisionTree
        onSelected: lumvar.__next(selectedKey)
        onGoBack: lumvar.__backFromQuestion(testTypePage, event)
    }

    MultiChoicePage {
        id: testDirectionPage

        title: qsTr("TEST_DIRECTION_PAGE_TITLE")
        category: decisionTree.testDirections.category
        decisionTree: decisionTree
        visible: false
        onSelected: lumvar.__next(selectedKey)
        onGoBack: lumvar.__backFromQuestion(testDirectionPage, event)
    }

    MultiChoicePage {
        id: gaugeLocationPage

        title: qsTr("GAUGE_LOCATION_PAGE_TITLE")
        category: decisionTree.gaugeLocations.category
        decisionTree: decisionTree
        visible: false
        onSelected: lumvar.__next(selectedKey)
        onGoBack: lumvar.__backFromQuestion(gaugeLocationPage, event)
    }

    MultiChoicePage {
        id: testDevicePage

        title: qsTr("TEST_DEVICE_PAGE_TITLE")
        category: decisionTree.devices.category
        decisionTree: decisionTree
        visible: false
        onSelected: lumvar.__next(selectedKey)
        onGoBack: lumvar.__backFromQuestion(testDevicePage, event)
    }

    ZelDialog {
        id: confirmDialog

        objectName: "confirmDialog"
        title: qsTr("CONFIRM_SELECTIONS_DIALOG_TITLE")
        text: lumvar.__confirmText()
        hasActions: true
        positiveButtonText: qsTr("CONFIRM_SELECTIONS_DIALOG_POS_BTN")
        negativeButtonText: qsTr("CONFIRM_SELECTIONS_DIALOG_NEG_BTN")
        dismissOnTap: false
        onRejected: connectionsPage.backAction.trigger()
    }

    ConnectionsPage {
        id: connectionsPage

        objectName: "connectionsPage"
        title: qsTr("TUBING_CONNNECTIONS_PAGE_TITLE")
        category: "RESULTS"
        decisionTree: decisionTree
        chAInputLbl: "TAP_LABEL_NONE"
        chARefLbl: "TAP_LABEL_OUTSIDE"
        chBInputLbl: "TAP_LABEL_T4_FAN"
        chBRefLbl: "TAP_LABEL_FAN_REF"
        visible: false
        launchAction: Action {
            iconName: "awesome/play"
            onTriggered: {
                snackbar.open(qsTr("LAUNCHING_GAUGE_SNACKBAR"));
                lumvar.goHome();
                lumvar.launch("com.ostrelle.veltra.Gauge", lumvar.__launchParams());
            }
        }
        onShow: confirmDialog.show()
        onGoBack: lumvar.__backFromResult(event)
    }
}
