import QtQuick 2.4
import com.zel 1.0

// Stands in for the root window around one control: it offers `vKeyboard` by
// plain name to what it loads, as the window does. With recording set, the
// stand-in notes every emitText and emitKey and types nothing; its look-ups are
// the real VirtualKeyboard's. Otherwise the real VirtualKeyboard types.
Item {
    id: harness

    property bool recording: true
    readonly property Item control: loader.item
    // Each call as "emitText:<text>" or "emitKey:<key code>".
    readonly property alias calls: recorder.calls
    readonly property QtObject vKeyboard: recording ? recorder : realKeyboard

    anchors.fill: parent

    function load(url, properties) {
        loader.setSource(url, properties === undefined ? {} : properties);
        if (loader.status !== Loader.Ready)
            console.log("DialogHarness.load(): cannot load " + url);
        return loader.item;
    }

    function clearCalls() {
        recorder.calls = [];
    }

    VirtualKeyboard {
        id: realKeyboard
    }

    QtObject {
        id: recorder

        property var calls: []

        function emitText(text) {
            calls = calls.concat(["emitText:" + text]);
        }

        function emitKey(key) {
            calls = calls.concat(["emitKey:" + key]);
        }

        function keyToString(key) {
            return realKeyboard.keyToString(key);
        }

        function keyFromString(text) {
            return realKeyboard.keyFromString(text);
        }
    }

    Loader {
        id: loader

        anchors.fill: parent
    }
}
