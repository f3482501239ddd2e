import QtQuick 2.4

// What a page asks of the window's action bar (Page.actionBar).
QtObject {
    id: settings

    // How many of the page's actions show as buttons; the rest go into the
    // overflow menu.
    property int maxActionCount: 3
    // Hides the action bar while the page is current.
    property bool hidden: false
}
