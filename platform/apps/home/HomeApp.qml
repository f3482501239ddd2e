import QtQuick 2.4
import Material 0.2

// The launcher: every listed app but the launcher itself, in the shell's order
// (ascending `sequence`), as a grid of tiles with icon, title and badge. A tap
// launches the app.
VeltraApp {
    id: homeApp

    // The app records to offer: the app manager's list.
    property var appList: typeof appManager !== "undefined" && appManager ? appManager.appMetadataList : []
    // The records shown, in launcher order: appList without the launcher itself.
    readonly property var apps: __launcherApps(appList, appId)
    // Badge texts by app identifier, read afresh on every change of the store.
    readonly property var badges: typeof appManager !== "undefined" && appManager ? appManager.badgesText : ({})

    readonly property int __columns: 3
    readonly property int __visibleRows: 2
    readonly property string __fallbackIcon: "navigation/apps"

    title: qsTr("HOME_APP_TITLE")
    initialPage: homePage
    onStart: appGrid.positionViewAtBeginning()
    onResume: appGrid.positionViewAtBeginning()

    // The records of `list` that can be launched, other than `ownId`, sorted by
    // sequence; records without an identifier are left out.
    function __launcherApps(list, ownId) {
        var result = [];
        if (!list || list.length === undefined) {
            console.log("HomeApp.__launcherApps(): no app list");
            return result;
        }
        for (var i = 0; i < list.length; ++i) {
            var record = list[i];
            if (!record || typeof record.id !== "string" || record.id === "" || record.id === ownId)
                continue;
            result.push(record);
        }
        result.sort(function(a, b) { return __sequenceOf(a) - __sequenceOf(b); });
        return result;
    }

    function __sequenceOf(record) {
        var sequence = Number(record.sequence);
        return isNaN(sequence) ? Number.MAX_VALUE : sequence;
    }

    // A picture file of the shared icon directory, or "" for a Material icon.
    function iconSourceOf(record) {
        if (record && typeof record.iconFileName === "string" && record.iconFileName !== "")
            return (typeof icondir !== "undefined" && icondir ? String(icondir) : "") + record.iconFileName;
        return "";
    }

    function iconNameOf(record) {
        if (record && typeof record.icon === "string" && record.icon !== "")
            return record.icon;
        return __fallbackIcon;
    }

    function titleOf(record) {
        if (record && typeof record.title === "string" && record.title !== "")
            return record.title;
        return record && typeof record.name === "string" ? record.name : "";
    }

    function badgeOf(appId) {
        var text = badges ? badges[appId] : undefined;
        return text === undefined || text === null ? "" : String(text);
    }

    Page {
        id: homePage

        objectName: "homePage"
        title: homeApp.title

        GridView {
            id: appGrid

            objectName: "appGrid"
            anchors.fill: parent
            anchors.margins: Units.dp(6)
            clip: true
            boundsBehavior: Flickable.StopAtBounds
            // Tiles are made as they scroll into view: with many apps, rows
            // made ahead of time would delay the launcher's first frame.
            cacheBuffer: 0
            cellWidth: Math.floor(width / homeApp.__columns)
            cellHeight: Math.max(Units.dp(84), Math.floor(height / homeApp.__visibleRows))
            model: homeApp.apps

            delegate: HomeTile {
                objectName: "homeTile_" + modelData.id
                width: appGrid.cellWidth
                height: appGrid.cellHeight
                appId: modelData.id
                title: homeApp.titleOf(modelData)
                iconName: homeApp.iconNameOf(modelData)
                iconSource: homeApp.iconSourceOf(modelData)
                fallbackIconName: homeApp.__fallbackIcon
                badgeText: homeApp.badgeOf(modelData.id)
                onClicked: homeApp.launch(appId)
            }
        }

        Scrollbar {
            flickableItem: appGrid
        }

        // Made only while there is no app to offer: a text loads its font
        // as soon as it is made, shown or not.
        Loader {
            objectName: "noAppsLabel"
            anchors.centerIn: parent
            // From the records, not the grid's count, which is 0 until the
            // grid is complete.
            visible: homeApp.apps.length === 0
            active: visible

            sourceComponent: Label {
                style: "subheading"
                color: Theme.light.subTextColor
                text: qsTr("HOME_NO_APPS")
            }
        }
    }
}
