import QtQuick 2.4
import Material 0.2
import QtQuick.Controls.Styles.Material 0.1 as MaterialStyle

// The shared text-entry dialog: the entered text in large type on a coloured
// header band, and the on-screen keyboard below it. Apps fill it in and open it
// with show(settings); the keys reach the text field through the focus.
ZelDialog {
    id: keyboardInputDialog

    // Validator of the entered text; without one every text is acceptable.
    property alias validator: textField.validator
    // Header colour while the input is shown as invalid.
    property color errorColor: Theme.light.subTextColor
    // Whether unacceptable input is shown as invalid (colour and label).
    property bool indicateInvalid: true
    property string inputLabel: ""
    property string hintLabel: ""
    // Put into the field each time the dialog opens.
    property string initialValue: ""
    property alias value: textField.text
    // Called with the entered text when the user accepts.
    property var _onAcceptedCb: null

    readonly property bool __shownInvalid: indicateInvalid && !textField.acceptableInput
    readonly property color __headerColor: __shownInvalid ? errorColor : Theme.primaryDarkColor
    readonly property real __ruleHeight: 2

    height: parent ? parent.height : 0
    width: parent ? parent.width - Units.dp(64) : 0
    hasActions: true
    floatingActions: true
    contentMargins: 0
    dismissOnTap: false
    positiveButtonEnabled: textField.acceptableInput

    // Setting the text the field already holds keeps its selection and cursor
    // from an earlier opening, so the cursor is put at the end afresh.
    onOpened: {
        textField.text = initialValue;
        textField.forceActiveFocus();
        textField.deselect();
        textField.cursorPosition = textField.text.length;
        keyboard.resetMode();
    }

    onAccepted: {
        if (typeof _onAcceptedCb !== "function")
            return;
        try {
            _onAcceptedCb(textField.text);
        } catch (error) {
            console.log("KeyboardInputDialog.onAccepted(): the callback failed: " + error);
        }
    }

    // Sets every setting from `settings` (missing or falsy keys give the
    // defaults, so nothing carries over from an earlier use) and opens.
    function show(settings) {
        var given = settings;
        if (given === null || typeof given !== "object") {
            console.log("KeyboardInputDialog.show(): settings is not an object; using the defaults");
            given = {};
        }
        try {
            validator = given.validator ? given.validator : null;
        } catch (error) {
            console.log("KeyboardInputDialog.show(): not a validator: " + given.validator);
            validator = null;
        }
        indicateInvalid = given.indicateInvalid !== false;
        inputLabel = given.inputLabel ? String(given.inputLabel) : "";
        hintLabel = given.hintLabel ? String(given.hintLabel) : "";
        initialValue = given.initialValue ? String(given.initialValue) : "";
        positiveButtonText = given.positiveButtonText ? String(given.positiveButtonText)
                                                      : qsTr("DIALOG_POS_BTN_DEFAULT");
        if (given.onAccepted && typeof given.onAccepted !== "function")
            console.log("KeyboardInputDialog.show(): onAccepted is not a function; nothing will be called");
        _onAcceptedCb = typeof given.onAccepted === "function" ? given.onAccepted : null;
        open();
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
            height: keyboardInputDialog.__ruleHeight
            color: keyboardInputDialog.__headerColor
        }

        TextField {
            id: textField

            objectName: "textField"
            anchors.top: topRect.bottom
            anchors.left: parent.left
            anchors.right: parent.right
            horizontalAlignment: TextInput.AlignHCenter
            text: keyboardInputDialog.initialValue
            style: MaterialStyle.TextFieldStyle {
                font.family: "Roboto"
                font.pixelSize: Units.dp(52)
                textColor: Theme.dark.textColor
                background: Rectangle {
                    objectName: "textFieldBackground"
                    anchors.fill: parent
                    color: keyboardInputDialog.__headerColor
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
            text: keyboardInputDialog.__shownInvalid ? qsTr("INPUT_INVALID") : keyboardInputDialog.inputLabel
        }

        Label {
            id: rightLabel

            objectName: "rightLabel"
            anchors.verticalCenter: textField.verticalCenter
            anchors.right: textField.right
            anchors.rightMargin: Units.dp(16)
            style: "body2"
            color: Theme.dark.subTextColor
            text: keyboardInputDialog.hintLabel
        }
    }

    Keyboard {
        id: keyboard

        objectName: "keyboard"
        anchors.left: parent.left
        anchors.right: parent.right
        // Clear of a title or text above the header (the dialog's header
        // height) and of the floating buttons below.
        height: keyboardInputDialog.height - keyboardInputDialog.__headerHeight - header.height - Units.dp(60)
    }
}
