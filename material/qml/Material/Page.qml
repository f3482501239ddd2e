import QtQuick 2.4
import QtQuick.Controls 1.4 as Controls

// A page of an ApplicationWindow's page stack. The window's action bar shows the
// title and actions of the page on top, and a back action while the stack holds
// more than one page. The back action raises goBack(event); unless a handler
// sets event.accepted to true, the page is then popped.
FocusScope {
    id: page

    signal goBack(var event)

    property string title: ""
    property list<Action> actions
    property color backgroundColor: Theme.backgroundColor
    property Action backAction: Action {
        name: qsTr("Back")
        iconName: "navigation/arrow_back"
        onTriggered: page.__goBack()
    }
    // Action bar settings of this page: maxActionCount (actions shown as buttons,
    // the rest go into the overflow menu) and hidden.
    readonly property ActionBarSettings actionBar: ActionBarSettings {}
    // The page stack that holds the page, null while it is not on one.
    readonly property Item pageStack: Controls.Stack.view

    function __goBack() {
        var event = { "accepted": false };
        goBack(event);
        if (event.accepted)
            return;
        if (pageStack !== null && pageStack.depth > 1 && pageStack.currentItem === page)
            pageStack.pop();
    }

    Rectangle {
        id: background
        anchors.fill: parent
        color: page.backgroundColor
    }
}
