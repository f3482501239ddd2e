import QtQuick 2.4
import QtQuick.Layouts 1.1
import Material 0.2

// A four-by-three number pad. Every key goes to the focused item through the
// window's vKeyboard. The bottom-left key is the decimal separator of the
// default locale, or minus, or (with neither allowed) an empty, inactive cell.
Rectangle {
    id: keypadView

    // Offer the decimal separator key.
    property bool allowDecimal: true
    // Offer the minus key; only when no decimal separator is offered.
    property bool allowNegative: false
    property var keys: [
        [Qt.Key_1, Qt.Key_2, Qt.Key_3],
        [Qt.Key_4, Qt.Key_5, Qt.Key_6],
        [Qt.Key_7, Qt.Key_8, Qt.Key_9],
        [_specialKey, Qt.Key_0, Qt.Key_Backspace]
    ]
    property var iconKeys: {
        var icons = {};
        icons[Qt.Key_Backspace] = "content/backspace";
        return icons;
    }

    // Key code of the bottom-left key.
    property int _specialKey: allowDecimal ? vKeyboard.keyFromString(Qt.locale().decimalPoint) : Qt.Key_Minus

    // The most of a key's height that its label may take.
    readonly property real __labelShare: 0.75

    ColumnLayout {
        id: rows

        anchors.fill: parent
        spacing: 0

        Repeater {
            model: keypadView.keys

            RowLayout {
                id: keyRow

                readonly property var rowKeys: modelData

                Layout.fillWidth: true
                Layout.preferredHeight: keypadView.height / keypadView.keys.length
                spacing: 0

                Repeater {
                    model: keyRow.rowKeys

                    KeyboardButton {
                        readonly property int key: modelData

                        // Equal shares of the row in whole pixels, so that the
                        // last key ends at the pad's edge.
                        Layout.fillWidth: true
                        Layout.preferredWidth: keypadView.width / keyRow.rowKeys.length
                        Layout.fillHeight: true
                        text: vKeyboard.keyToString(key)
                        // Smaller in low rows (a dialog with a title), so that
                        // no label runs into the next row.
                        font.pixelSize: Math.min(Units.dp(34), Math.round(height * keypadView.__labelShare))
                        icon.name: keypadView.iconKeys.hasOwnProperty(key) ? keypadView.iconKeys[key] : ""
                        icon.size: Math.min(Units.dp(24), Math.round(height * keypadView.__labelShare))
                        hidden: key === keypadView._specialKey && !keypadView.allowDecimal
                                && !keypadView.allowNegative
                        onClicked: vKeyboard.emitKey(key)
                    }
                }
            }
        }
    }
}
