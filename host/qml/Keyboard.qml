import QtQuick 2.4
import QtQuick.Layouts 1.1
import Material 0.2

// The on-screen text keyboard: three layers (lower case, upper case, digits and
// symbols), one shown at a time. Keys go to the focused item through the
// window's vKeyboard; the layer keys only switch the layer.
Rectangle {
    id: keyboard

    signal keyClicked(var key)

    // The layer shown: a layer name of kLayout.keys.
    property string mode: "MODE_DEFAULT"

    // The most of a key's height that its label may take.
    readonly property real __labelShare: 0.75

    onKeyClicked: {
        if (kLayout.modeKeys.hasOwnProperty(key))
            mode = kLayout.modeKeys[key];
        else if (typeof key === "string")
            vKeyboard.emitText(key);
        else if (typeof key === "number")
            vKeyboard.emitKey(key);
        else
            console.log("Keyboard.onKeyClicked(): not a key: " + key);
    }

    function resetMode() {
        mode = "MODE_DEFAULT";
    }

    KeyboardLayout {
        id: kLayout
    }

    // One loader per layer: a layer's keys are made when it is first shown and
    // kept from then on, so that a dialog that only ever shows the lower-case
    // layer never pays for the other two.
    Repeater {
        model: Object.keys(kLayout.keys)

        Loader {
            id: layerLoader

            readonly property string layerName: modelData
            readonly property bool __shown: layerName === keyboard.mode
            property bool __made: __shown

            on__ShownChanged: {
                if (__shown)
                    __made = true;
            }

            anchors.fill: parent
            visible: __shown
            active: __made

            sourceComponent: ColumnLayout {
                spacing: 0

                Repeater {
                    model: kLayout.keys[layerLoader.layerName]

                    RowLayout {
                        id: keyRow

                        readonly property var rowKeys: modelData

                        Layout.fillWidth: true
                        Layout.fillHeight: true
                        spacing: 0

                        Repeater {
                            model: keyRow.rowKeys

                            KeyboardButton {
                                readonly property var key: modelData

                                Layout.fillWidth: true
                                Layout.fillHeight: true
                                text: typeof key === "string" ? key : vKeyboard.keyToString(key)
                                // Smaller in low rows (a dialog with a title), so
                                // that no label runs into the next row.
                                font.pixelSize: Math.min(Math.max(Units.dp(32) - Units.dp(6) * text.length, 10),
                                                         Math.round(height * keyboard.__labelShare))
                                icon.name: kLayout.iconKeys.hasOwnProperty(key) ? kLayout.iconKeys[key] : ""
                                icon.size: Math.min(Units.dp(18), Math.round(height * keyboard.__labelShare))
                                onClicked: keyboard.keyClicked(key)
                            }
                        }
                    }
                }
            }
        }
    }
}
