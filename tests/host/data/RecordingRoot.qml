import QtQuick 2.4
import QtQuick.Window 2.2
import com.zel 1.0

// A root window that records what start-up does to it: the state it sees at
// completion, and the order in which its start-up properties are written.
Window {
    id: recordingRoot

    property string __homeAppId: ""
    property string __startupAppId: ""
    property bool __singleAppMode: false
    // Starts true so that the host's write of false is seen.
    property bool autoOffWarning: true
    property var atCompletion: ({})
    property var writes: []

    function record(name) {
        writes.push(name)
    }

    on__HomeAppIdChanged: record("__homeAppId")
    on__StartupAppIdChanged: record("__startupAppId")
    on__SingleAppModeChanged: record("__singleAppMode")
    onAutoOffWarningChanged: record("autoOffWarning")

    width: 480
    height: 272
    visible: false

    Component.onCompleted: {
        diag.start()
        atCompletion = {
            "homeAppId": __homeAppId,
            "startupAppId": __startupAppId,
            "singleAppMode": __singleAppMode,
            "autoOffWarning": autoOffWarning,
            "hasScreenshot": typeof screenshot !== "undefined",
            "icondir": icondir,
            "language": language.language,
            "hasGlobalConfig": globalConfig !== null,
            "locale": Qt.locale().name,
            "diagEnd": diag.end(),
            "diagEndPlusOne": diag.end() + 1,
            "keyboardDigit": keyboard.keyToString(Qt.Key_1),
            "batteryPercent": status.batteryState.batteryPercent
        }
    }

    DiagTime {
        id: diag
    }

    VirtualKeyboard {
        id: keyboard
    }

    StatusManager {
        id: status
    }
}
