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
    // Launches asked for while a switch runs the apps' handlers (an app that
    // redirects in onStart, onResume or onPause): carried out in order once
    // that switch has finished, at most __maxRedirects of them in a row.
    property var __deferredLaunches: []
    readonly property int __maxRedirects: 8
    // True while a switch runs the lifecycle handlers.
    property bool __switching: false
    // The app whose "Launching ..." message shows while it loads, and the text.
    property string __launchingAppId: ""
    property string __launchingText: ""
    // Template of the shared text-entry dialog, made from its file on the
    // first instance(): naming the dialog's type in this document would
    // compile it, its text field and its keyboard before the first frame.
    property Component componentKeyboardDialog: null
    // Template of the page shown for an app that did not load, made from its
    // file the first time one is launched.
    property Component __errorPageComponent: null
    // The app the shell itself shows in place of one that cannot be shown:
    // should it fail too, the shell looks further instead of showing its
    // error page, which is for apps the user (or an app) launched.
    property string __fallbackAppId: ""
    // The colours of an app that did not load: the shell's own.
    readonly property VeltraTheme __failedAppTheme: VeltraTheme {}

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

    // Asks for a switch to `appId`; `params` (any value but undefined) go to
    // that app's start or resume, and to no other app. When this returns, the
    // switch is done, and so are the launches the apps asked for meanwhile.
    function launchApp(appId, params) {
        console.log("VeltraApp.launchApp() " + appId);
        __fallbackAppId = "";
        if (!__singleAppMode)
            __request(appId, params);
    }

    function __request(appId, params) {
        if (__switching) {
            console.log("VeltraRootApp.launchApp(): " + appId
                        + " asked for during a switch; carried out once it has finished");
            __deferredLaunches.push({ "appId": appId, "params": params });
            return;
        }
        __launch(appId, params);
        __runDeferredLaunches();
    }

    function __launch(appId, params) {
        if (!__isListed(appId)) {
            console.log("VeltraRootApp.launchApp(): no listed app has the id " + appId + "; nothing switched");
            return;
        }
        var target = __loaderOf(appId);
        if (target.__failed)
            console.log("VeltraRootApp.launchApp(): the app " + appId + " did not load; its error page is shown");
        if (appId === __currAppId) {
            if (params !== undefined)
                console.log("VeltraRootApp.launchApp(): " + appId + " is already current; its parameters are dropped");
            return;
        }
        __switchTo(target, params);
    }

    // The one switch: the current app is paused, `target` becomes current and
    // is started or resumed with `params`; one still loading keeps them until
    // it is shown.
    function __switchTo(target, params) {
        var previous = __loaderOf(__currAppId);
        if (previous && previous.__waiting) {
            if (previous.__params !== undefined)
                console.log("VeltraRootApp: " + previous.appId + " was left before it was shown; "
                            + "the parameters of its launch are dropped");
            previous.__waiting = false;
            previous.__params = undefined;
        }
        __closeLaunchingMessage();
        __switching = true;
        try {
            __currAppId = target.appId;
            if (previous && previous.__current) {
                previous.__current = false;
                previous.item.pause();
            }
            if (target.__failed) {
                __showFailed(target);
            } else if (target.status === Loader.Ready) {
                __show(target, params);
            } else {
                target.__waiting = true;
                target.__params = params;
                if (target.appId !== __homeAppId)
                    __openLaunchingMessage(target);
            }
        } finally {
            __switching = false;
        }
    }

    // A loaded app that is current is shown: the window takes its colours and
    // first page, then it is started (the first time) or resumed.
    function __show(loader, params) {
        var app = loader.item;
        __setCurrApp(app);
        loader.__current = true;
        if (loader.__isStarted) {
            app.resume(params);
        } else {
            loader.__isStarted = true;
            app.start(params);
        }
    }

    // Called when an app's loader has made its item: if the app is current, it
    // is shown now, with the parameters its launch left.
    function __showLoaded(loader) {
        var params = loader.__params;
        loader.__waiting = false;
        loader.__params = undefined;
        if (__launchingAppId === loader.appId)
            __closeLaunchingMessage();
        __switching = true;
        try {
            __show(loader, params);
        } finally {
            __switching = false;
        }
        __runDeferredLaunches();
    }

    function __runDeferredLaunches() {
        var count = 0;
        while (__deferredLaunches.length > 0) {
            if (count === __maxRedirects) {
                console.log("VeltraRootApp.launchApp(): the apps asked for more than " + __maxRedirects
                            + " launches in a row; " + __deferredLaunches.length + " more dropped");
                __deferredLaunches = [];
                return;
            }
            var next = __deferredLaunches.shift();
            ++count;
            __launch(next.appId, next.params);
        }
    }

    function __openLaunchingMessage(loader) {
        __launchingAppId = loader.appId;
        __launchingText = qsTr("APP_LAUNCHING_SNACKBAR").arg(loader.title);
        snackbar.open(__launchingText, 30000);
    }

    // Closes the launching message, unless another message has taken its place.
    function __closeLaunchingMessage() {
        if (__launchingAppId === "")
            return;
        if (snackbar.opened && snackbar.text === __launchingText)
            snackbar.close();
        __launchingAppId = "";
        __launchingText = "";
    }

    // An app that did not load becomes current: its error page, in the
    // shell's colours, says what went wrong and leads back home.
    function __showFailed(loader) {
        __updateTheme(__failedAppTheme);
        __currApp = null;
        if (!loader.__errorPage) {
            if (__errorPageComponent === null)
                __errorPageComponent = Qt.createComponent("VeltraAppErrorPage.qml");
            loader.__errorPage = __errorPageComponent.createObject(loader, {
                "appTitle": loader.title,
                "details": loader.__error,
                "visible": false
            });
            loader.__errorPage.homeRequested.connect(function() { rootApp.launchApp(rootApp.__homeAppId); });
        }
        var home = __loaderOf(__homeAppId);
        loader.__errorPage.canGoHome = home !== null && home !== loader && !home.__failed;
        pageStack.clear();
        pageStack.push({ "item": loader.__errorPage, "replace": true });
        initialPage = loader.__errorPage;
    }

    // What the engine says about an app's main QML file that did not load.
    function __loadErrors(qmlUrl) {
        var component = Qt.createComponent(qmlUrl);
        if (component.status === Component.Error)
            return component.errorString().trim();
        return qsTr("APP_ERROR_NOT_CREATED").arg(qmlUrl);
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

    function __loaderOf(appId) {
        for (var i = 0; i < appsRepeater.count; ++i) {
            var loader = appsRepeater.itemAt(i);
            if (loader && loader.appId === appId)
                return loader;
        }
        return null;
    }

    function __isListed(appId) {
        var apps = appsRepeater.model;
        for (var i = 0; i < apps.length; ++i) {
            if (apps[i].id === appId)
                return true;
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

    // The home app in place of one that cannot be shown (or, without a home
    // app to show, the first app that can be); at start-up this also lets the
    // other apps load.
    function __showHomeInstead(failedAppId) {
        appsRepeater.isStartupAppLoaded = true;
        var fallback = __homeAppId;
        if (fallback === failedAppId || !__isListed(fallback) || __loaderOf(fallback).__failed) {
            fallback = "";
            for (var i = 0; i < appsRepeater.count; ++i) {
                var loader = appsRepeater.itemAt(i);
                if (loader && loader.appId !== failedAppId && !loader.__failed) {
                    fallback = loader.appId;
                    break;
                }
            }
            console.log("VeltraRootApp: no home app \"" + __homeAppId + "\" to show; "
                        + (fallback !== "" ? "showing " + fallback : "no app can be shown"));
        }
        if (fallback !== "") {
            __fallbackAppId = fallback;
            __request(fallback);
        }
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

    // Runs `cb` once after `delayTime` milliseconds, each call with a timer of
    // its own.
    function delay(delayTime, cb) {
        var delayTimer = delayTimerComponent.createObject(rootApp, { "interval": delayTime });
        delayTimer.triggered.connect(function() {
            delayTimer.destroy();
            cb();
        });
        delayTimer.start();
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

            readonly property string appId: modelData.id
            readonly property string title: modelData.title
            property bool __isStarted: false
            property bool __failed: false
            // Current and shown (started or resumed, not yet paused).
            property bool __current: false
            // Current while still loading, with the parameters of its launch.
            property bool __waiting: false
            property var __params: undefined
            // Why it did not load, for its error page, and that page once made.
            property string __error: ""
            property Item __errorPage: null

            objectName: "appLoader_" + appId
            anchors.fill: parent
            anchors.leftMargin: rootApp.leftFrameSize
            anchors.rightMargin: rootApp.rightFrameSize
            anchors.topMargin: rootApp.topFrameSize
            anchors.bottomMargin: rootApp.bottomFrameSize
            source: typeof modelData.qmlUrl === "string" ? modelData.qmlUrl : ""
            asynchronous: appId !== rootApp.__startupAppId
            // Follows `asynchronous`, so that the start-up app is never loaded in
            // the background. The others wait for the start-up app and for the
            // first frame that shows it: compiling and creating them would
            // otherwise compete with that frame.
            active: !asynchronous || (appsRepeater.isStartupAppLoaded && firstFrameWatch.shown)
            visible: rootApp.__currAppId === appId && !__failed

            // An app whose loader ends without an item, for whatever reason, is
            // counted as loaded, so that one broken app never holds up the rest.
            // Launched, it shows an error page with `details`; if it was the
            // start-up app, the home app is shown instead.
            function __fail(why, details) {
                if (__failed)
                    return;
                __failed = true;
                __error = details;
                console.log("VeltraRootApp: the app " + appId + " (" + modelData.qmlUrl + ") " + why);
                rootApp.__appLoaded(modelData);
                if (rootApp.__launchingAppId === appId)
                    rootApp.__closeLaunchingMessage();
                if (rootApp.__currAppId === appId) {
                    if (__waiting && rootApp.__fallbackAppId !== appId) {
                        __waiting = false;
                        __params = undefined;
                        rootApp.__showFailed(appLoader);
                    } else {
                        rootApp.__showHomeInstead(appId);
                    }
                }
            }

            function __checkSource() {
                if (active && status === Loader.Null)
                    __fail("has no QML file to load", qsTr("APP_ERROR_NO_QML"));
            }

            Component.onCompleted: __checkSource()
            onActiveChanged: __checkSource()
            onStatusChanged: {
                if (status === Loader.Error)
                    __fail("did not load", rootApp.__loadErrors(modelData.qmlUrl));
            }
            onVisibleChanged: console.log("onVisibleChanged: " + modelData.qmlUrl)
            onLoaded: {
                console.log("onLoaded: " + modelData.qmlUrl);
                if (typeof item.create !== "function") {
                    __fail("is not a VeltraApp", qsTr("APP_ERROR_NOT_AN_APP").arg(modelData.qmlUrl));
                    return;
                }
                item.appId = appId;
                item.create();
                if (rootApp.__currAppId === appId)
                    rootApp.__showLoaded(appLoader);
                rootApp.__appLoaded(modelData);
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
        // Above every other dialog, those opened after it too: a warning that
        // a dialog covers would let the device switch off unwarned.
        z: 1100
    }

    // Messages lie above everything, open dialogs included.
    Snackbar {
        id: snackbar

        objectName: "snackbar"
        parent: rootApp.overlayLayer
        z: 2000
        fullWidth: false
        font.pixelSize: Units.dp(16)
        anchors.bottom: parent.bottom

        // Shows `text` for `duration` milliseconds (the default when missing or
        // 0), counted from now: a new message gets its full time.
        function open(text, duration) {
            snackbar.text = text;
            opened = true;
            snackbarTimer.interval = duration ? duration : rootApp.__snackbarDefaultDuration;
            snackbarTimer.restart();
        }

        function close() {
            snackbarTimer.stop();
            opened = false;
        }

        Timer {
            id: snackbarTimer

            objectName: "snackbarTimer"
            onTriggered: snackbar.opened = false
        }
    }

    Component {
        id: delayTimerComponent

        Timer {
            repeat: false
        }
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
