import QtQuick 2.4
import Material 0.2
import QtQuick.Controls.Styles.Material 0.1 as MaterialStyle

// A dialog for entering a number: the number in large type on a coloured header
// band, and the numeric keypad below it. Set the properties, open(), and read
// value on accepted.
ZelDialog {
    id: numberInputDialog

    // Validator of the entered text; without one every text is acceptable.
    property alias validator: textField.validator
    // Header colour while the input is unacceptable.
    property color errorColor: Theme.light.subTextColor
    property string inputLabel: ""
    // The unit of the number, at the right of the header.
    property string unitsLabel: ""
    // Put into the field each time the dialog opens.
    property string initialValue: ""
    // Select the whole text on opening, so that the first key replaces it.
    property bool selectAllOnOpen: false
    property alias value: textField.text
    property alias allowDecimal: numericKeypad.allowDecimal
    property alias allowNegative: numericKeypad.allowNegative

    readonly property bool __shownInvalid: !textField.acceptableInput
    readonly property color __headerColor: __shownInvalid ? errorColor : Theme.primaryDarkColor
    readonly property real __ruleHeight: 2

    height: parent ? parent.height : 0
    width: parent ? parent.width - Units.dp(256) : 0
    hasActions: true
    floatingActions: true
    contentMargins: 0
    dismissOnTap: false
    positiveButtonEnabled: textField.acceptableInput

    // Setting the text the field already holds keeps its selection and cursor
    // from an earlier opening, so both are set afresh: the cursor at the end
    // with nothing selected, or the whole text selected.
    onOpened: {
        textField.text = initialValue;
        textField.forceActiveFocus();
        if (selectAllOnOpen) {
            textField.selectAll();
        } else {
            textField.deselect();
            textField.cursorPosition = textField.text.length;
        }
    }

    // The labels beside the text may hold units and values ("max 250 mPa"),
    // so they keep the case they are given: a style in capitals would turn
    // "mPa" into "MPA".
    Item {
        id: header

        anchors.left: parent.left
        anchors.right: parent.right
        height: topRect.height + textField.height

        Rectangle {
            id: topRect

            objectName: "topRect"
            width: parent.width
            height: numberInputDialog.__ruleHeight
            color: numberInputDialog.__headerColor
        }

        TextField {
            id: textField

            objectName: "textField"
            anchors.top: topRect.bottom
            anchors.left: parent.left
            anchors.right: parent.right
            horizontalAlignment: TextInput.AlignHCenter
            text: numberInputDialog.initialValue
            style: MaterialStyle.TextFieldStyle {
                font.family: "Roboto"
                font.pixelSize: Units.dp(52)
                textColor: Theme.dark.textColor
                background: Rectangle {
                    objectName: "textFieldBackground"
                    anchors.fill: parent
                    color: numberInputDialog.__headerColor
                }
            }
        }

        Label {
            id: leftLabel

            objectName: "leftLabel"
            anchors.verticalCenter: textField.verticalCenter
            anchors.left: textField.left
            anchors.leftMargin: Units.dp(16)
            style: "body2"
            color: Theme.dark.subTextColor
            text: numberInputDialog.__shownInvalid ? qsTr("INPUT_INVALID") : numberInputDialog.inputLabel
        }

        Label {
            id: rightLabel

            objectName: "rightLabel"
            anchors.verticalCenter: textField.verticalCenter
            anchors.right: textField.right
            anchors.rightMargin: Units.dp(16)
            style: "body2"
            color: Theme.dark.subTextColor
            text: numberInputDialog.unitsLabel
        }
    }

    NumericKeypad {
        id: numericKeypad

        objectName: "numericKeypad"
        anchors.left: parent.left
        anchors.right: parent.right
        // Clear of a title or text above the header (the dialog's header
        // height) and of the floating buttons below.
        height: numberInputDialog.height - numberInputDialog.__headerHeight - header.height - Units.dp(60)
    }
}
