import QtQuick 2.5

// Something the user can do, shown by action bars and buttons. trigger() emits
// triggered while the action is enabled; a shortcut triggers it while its window
// is active (declare the action inside an item of that window).
QtObject {
    id: action

    signal triggered(var source)

    // Icon name as Icon.name takes it ("action/home", "awesome/play").
    property string iconName: ""
    // Text shown beside or instead of the icon (tooltips, overflow menus).
    property string name: ""
    // Key sequence, e.g. "Ctrl+Alt+S".
    property string shortcut: ""
    property bool enabled: true
    property bool visible: true

    readonly property Shortcut __shortcut: Shortcut {
        sequence: action.shortcut
        enabled: action.enabled && action.shortcut !== ""
        context: Qt.WindowShortcut
        onActivated: action.trigger(action.__shortcut)
    }

    function trigger(source) {
        if (!enabled)
            return;
        triggered(source === undefined ? action : source);
    }
}
