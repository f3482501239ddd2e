import QtQuick 2.4
import Material 0.2
import com.zel 1.0

// The shell's one window. It loads every listed app (the start-up app first and
// synchronously, the others in the background), shows one at a time under the
// status bar and switches between them on request, driving each app's
// lifecycle. On Windows it is the desktop edition "Veltra Connect": the
// device's screen inside a picture of the device.
ApplicationWindow {
    id: rootApp

    // The desktop edition; a test or a preview on another platform sets it
    // when creating the window.
    property bool __desktopEdition: Qt.platform.os === "windows"
    property int statusBarHeight: Units.dp(26)
    property VeltraApp __currApp: null
    property string __currAppId: __startupAppId
    property string __homeAppId: ""
    property string __startupAppId: ""
    property bool __singleAppMode: false
    property bool autoOffWarning: false
    property int __snackbarDefaultDuration: 2000
    property var locale: Qt.locale()
    property var __launchParams: []
    // True while a switch runs the lifecycle handlers: a launch asked for from
    // one of them is refused, so that an app relaunching itself or another app
    // on resume cannot recurse without end.
    property bool __switching: false
    // Template of the shared text-entry dialog, made from its file on the
    // first instance(): naming the dialog's type in this document would
    // compile it, its text field and its keyboard before the first frame.
    property Component componentKeyboardDialog: null

    flags: __desktopEdition ? (Qt.MSWindowsFixedSizeDialogHint | Qt.FramelessWindowHint) : -2013204479
    color: __desktopEdition ? "transparent" : "#ffffff"
    width: __desktopEdition ? 1200 : Units.dp(480)
    height: __desktopEdition ? 748 : Units.dp(272)
    minimumWidth: width
    maximumWidth: width
    minimumHeight: height
    maximumHeight: height
    visible: true
    title: __desktopEdition ? "Veltra Connect" : "Veltra"
    leftFrameSize: __desktopEdition ? 278 : 0
    rightFrameSize: __desktopEdition ? 292 : 0
    topFrameSize: __desktopEdition ? 165 : 0
    bottomFrameSize: __desktopEdition ? 226 : 0
    toolbarTopMargin: statusBarHeight
    statusCenterComponent: veltraStatusCenterComponent

    onAutoOffWarningChanged: {
        console.log("VeltraRootApp: auto-off warning " + (autoOffWarning ? "shown" : "cleared"));
        if (autoOffWarning)
            autoOffDialog.show();
        else
            autoOffDialog.close();
    }

    on__StartupAppIdChanged: __checkStartupApp()

    Component.onCompleted: {
        console.log("Units.multiplier: " + Units.multiplier);
        console.log("Units.pixelDensity: " + Units.pixelDensity);
        console.log("Units.pixelSize: " + Units.pixelSize);
        console.log("VELTRARootApp ApplicationWindow Component.onCompleted: diagtime=" + diagtime.end());
        // The host writes the start-up id right after loading; an empty one
        // changes nothing, so it is looked at once that is done.
        Qt.callLater(function() {
            if (__startupAppId === "")
                __checkStartupApp();
        });
        if (__desktopEdition) {
            Units.multiplier = 1.6;
            Units.pixelDensity = 3.8;
            veltraConnectFrameLoader.source = "VeltraConnectFrame.qml";
            veltraConnectFrameLoader.active = true;
        }
    }

    function launchApp(appId, params) {
        console.log("VeltraApp.launchApp() " + appId);
        if (__singleAppMode)
            return;
        if (__switching) {
            console.log("VeltraRootApp.launchApp(): " + appId + " asked for during a switch; refused");
            return;
        }
        if (!__isListed(appId)) {
            console.log("VeltraRootApp.launchApp(): no listed app has the id " + appId + "; nothing switched");
            return;
        }
        if (__hasFailed(appId)) {
            console.log("VeltraRootApp.launchApp(): the app " + appId + " did not load; nothing switched");
            return;
        }
        if (params !== undefined) {
            if (appId === __currAppId) {
                console.log("VeltraRootApp.launchApp(): " + appId + " is already current; its parameters are dropped");
            } else {
                var waiting = __launchParams;
                waiting.push(params);
                __launchParams = waiting;
            }
        }
        __switching = true;
        try {
            __currAppId = appId;
        } finally {
            __switching = false;
        }
    }

    function __setCurrApp(app) {
        if (app)
            __updateTheme(app.theme);
        __currApp = app;
        if (app && app.initialPage) {
            pageStack.clear();
            pageStack.push({ "item": app.initialPage, "replace": true });
            initialPage = app.initialPage;
            app.initialPage.actionBar.maxActionCount = app.actionBarMaxActionCount;
        }
    }

    function __updateTheme(newTheme) {
        theme.primaryColor = newTheme.primaryColor;
        theme.primaryDarkColor = newTheme.primaryDarkColor;
        theme.accentColor = newTheme.accentColor;
        theme.backgroundColor = newTheme.backgroundColor;
        theme.tabHighlightColor = newTheme.tabHighlightColor;
        theme.statusBarBackgroundColor = newTheme.statusBarBackgroundColor;
        theme.statusBarForegroundColor = newTheme.statusBarForegroundColor;
    }

    // The parameters waiting for the app that becomes current: the last one
    // appended, or undefined.
    function __takeLaunchParams() {
        var waiting = __launchParams;
        if (waiting.length === 0)
            return undefined;
        var params = waiting.pop();
        __launchParams = waiting;
        return params;
    }

    function __isListed(appId) {
        var apps = appsRepeater.model;
        for (var i = 0; i < apps.length; ++i) {
            if (apps[i].id === appId)
                return true;
        }
        return false;
    }

    function __hasFailed(appId) {
        for (var i = 0; i < appsRepeater.count; ++i) {
            var appLoader = appsRepeater.itemAt(i);
            if (appLoader && appLoader.objectName === "appLoader_" + appId)
                return appLoader.__failed;
        }
        return false;
    }

    function __sortedApps() {
        if (!appManager)
            return [];
        var apps = appManager.appMetadataList.slice();
        apps.sort(function(a, b) { return a.sequence - b.sequence; });
        return apps;
    }

    // A start-up app that is not listed, or none at all, would leave the
    // screen empty and the other apps unloaded: load them and show the home
    // app instead.
    function __checkStartupApp() {
        if (__isListed(__startupAppId))
            return;
        console.log("VeltraRootApp: no listed app has the start-up id \"" + __startupAppId + "\"");
        __showHomeInstead(__startupAppId);
    }

    function __showHomeInstead(failedAppId) {
        appsRepeater.isStartupAppLoaded = true;
        if (__homeAppId !== failedAppId && __isListed(__homeAppId))
            __currAppId = __homeAppId;
    }

    // Counts an app as loaded, whether its QML loaded or failed, so that one
    // broken app never keeps the others from loading.
    function __appLoaded(record) {
        appsRepeater.loadedCount += 1;
        console.log("loaded count: " + appsRepeater.loadedCount);
        console.log("model count: " + appsRepeater.count);
        if (__allLoaded() && firstFrameWatch.shown)
            __finishLoading();
        if (record.id === __startupAppId)
            appsRepeater.isStartupAppLoaded = true;
    }

    function __allLoaded() {
        return appsRepeater.loadedCount === appsRepeater.count;
    }

    // The end of loading: the app manager hears of it and the shared keyboard
    // dialog is made. Never before the first frame, which it would delay when
    // the start-up app is the only one: then it follows that frame.
    function __finishLoading() {
        console.log("call allAppsLoaded: diagtime=" + diagtime.end());
        appManager.allAppsLoaded();
        loaderKeyboardDialog.instance();
    }

    function delay(delayTime, cb) {
        timer.interval = delayTime;
        timer.repeat = false;
        var once = function() {
            timer.triggered.disconnect(once);
            cb();
        };
        timer.triggered.connect(once);
        timer.start();
    }

    function veltraConnectFeatureNotSupported() {
        snackbar.open(qsTr("VELTRA_CONNECT_FEATURE_NOT_SUPPORTED_SNACKBAR"));
    }

    Repeater {
        id: appsRepeater

        property int loadedCount: 0
        property bool isStartupAppLoaded: false

        model: rootApp.__sortedApps()

        Component.onCompleted: console.log("VELTRARootApp appsRepeater Component.onCompleted: diagtime="
                                           + diagtime.end())

        delegate: Loader {
            id: appLoader

            property bool __isStarted: false
            property bool __failed: false

            objectName: "appLoader_" + modelData.id
            anchors.fill: parent
            anchors.leftMargin: rootApp.leftFrameSize
            anchors.rightMargin: rootApp.rightFrameSize
            anchors.topMargin: rootApp.topFrameSize
            anchors.bottomMargin: rootApp.bottomFrameSize
            source: typeof modelData.qmlUrl === "string" ? modelData.qmlUrl : ""
            asynchronous: modelData.id !== rootApp.__startupAppId
            // Follows `asynchronous`, so that the start-up app is never loaded in
            // the background. The others wait for the start-up app and for the
            // first frame that shows it: compiling and creating them would
            // otherwise compete with that frame.
            active: !asynchronous || (appsRepeater.isStartupAppLoaded && firstFrameWatch.shown)
            visible: rootApp.__currAppId === modelData.id

            // An app whose loader ends without an item, for whatever reason, is
            // counted as loaded, so that one broken app never holds up the rest.
            function __fail(why) {
                if (__failed)
                    return;
                __failed = true;
                console.log("VeltraRootApp: the app " + modelData.id + " (" + modelData.qmlUrl + ") " + why);
                rootApp.__appLoaded(modelData);
                if (modelData.id === rootApp.__startupAppId)
                    rootApp.__showHomeInstead(modelData.id);
            }

            function __checkSource() {
                if (active && status === Loader.Null)
                    __fail("has no QML file to load");
            }

            Component.onCompleted: __checkSource()
            onActiveChanged: __checkSource()
            onStatusChanged: {
                if (status === Loader.Error)
                    __fail("did not load");
            }

            onLoaded: {
                console.log("onLoaded: " + modelData.qmlUrl);
                if (typeof item.create !== "function") {
                    __fail("is not a VeltraApp");
                    return;
                }
                item.appId = modelData.id;
                item.create();
                if (visible) {
                    rootApp.__setCurrApp(item);
                    item.start(rootApp.__takeLaunchParams());
                    __isStarted = true;
                    snackbar.opened = false;
                }
                rootApp.__appLoaded(modelData);
            }

            onVisibleChanged: {
                console.log("onVisibleChanged: " + modelData.qmlUrl);
                if (__failed)
                    return;
                if (status !== Loader.Ready) {
                    if (visible && modelData.id !== rootApp.__homeAppId)
                        snackbar.open(qsTr("APP_LAUNCHING_SNACKBAR").arg(modelData.title), 30000);
                    return;
                }
                if (visible) {
                    rootApp.__setCurrApp(item);
                    if (__isStarted)
                        item.resume(rootApp.__takeLaunchParams());
                    else
                        item.start(rootApp.__takeLaunchParams());
                    __isStarted = true;
                } else {
                    item.pause();
                }
            }
        }
    }

    VirtualKeyboard {
        id: vKeyboard
    }

    Loader {
        id: loaderKeyboardDialog

        objectName: "loaderKeyboardDialog"
        anchors.fill: parent

        function instance() {
            console.log("instance");
            if (status === Loader.Null) {
                console.log("create instance loaderKeyboardDialog");
                if (componentKeyboardDialog === null) {
                    componentKeyboardDialog = Qt.createComponent("KeyboardInputDialog.qml");
                    if (componentKeyboardDialog.status === Component.Error)
                        console.log("VeltraRootApp: the keyboard dialog did not load: "
                                    + componentKeyboardDialog.errorString());
                }
                sourceComponent = componentKeyboardDialog;
            }
            return item;
        }
    }

    ZelDialog {
        id: autoOffDialog

        objectName: "autoOffDialog"
        width: Units.dp(320)
        title: qsTr("AUTO_OFF_DIALOG_TITLE")
        text: qsTr("AUTO_OFF_DIALOG_MSG")
        hasActions: false
        dismissOnTap: false
        z: 1000
    }

    Snackbar {
        id: snackbar

        objectName: "snackbar"
        fullWidth: false
        font.pixelSize: Units.dp(16)
        anchors.bottom: parent.bottom
        anchors.bottomMargin: rootApp.bottomFrameSize
        anchors.leftMargin: rootApp.leftFrameSize
        anchors.rightMargin: rootApp.rightFrameSize

        function open(text, duration) {
            snackbar.text = text;
            opened = true;
            rootApp.delay(duration ? duration : rootApp.__snackbarDefaultDuration, function() {
                snackbar.opened = false;
            });
        }
    }

    Timer {
        id: timer

        objectName: "delayTimer"
    }

    Action {
        id: screenshotAction

        shortcut: "Ctrl+Alt+S"
        onTriggered: {
            if (typeof screenshot !== "undefined")
                screenshot.grab();
        }
    }

    Loader {
        id: veltraConnectFrameLoader

        objectName: "veltraConnectFrameLoader"
        active: false
        anchors.fill: parent
    }

    Component {
        id: veltraStatusCenterComponent

        VeltraDeviceStatusCenter {
            statusBarHeight: rootApp.statusBarHeight
            expandedHeight: rootApp.height - rootApp.topFrameSize - rootApp.bottomFrameSize
            theme: rootApp.theme
            desktopEdition: rootApp.__desktopEdition
            locale: rootApp.locale
        }
    }

    DiagTime {
        id: diagtime
    }

    FirstFrameWatch {
        id: firstFrameWatch

        objectName: "firstFrameWatch"
        window: rootApp
        onShownChanged: {
            if (shown && rootApp.__allLoaded())
                rootApp.__finishLoading();
        }
    }

    // Pages stay inside the device picture's screen in the desktop edition.
    Binding {
        target: rootApp.pageStack
        property: "clip"
        value: rootApp.__desktopEdition
    }
}
