import QtQuick 2.4
import Material 0.2

// The one dialog base of the shell and its apps.
Dialog {
    id: zelDialog

    negativeButtonText: qsTr("DIALOG_NEG_BTN_DEFAULT")
    positiveButtonText: qsTr("DIALOG_POS_BTN_DEFAULT")
    dismissOnTap: false
}
