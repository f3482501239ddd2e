import QtQuick 2.4
import QtQuick.Controls 1.4 as Controls
import QtQuick.Controls.Styles.Material 0.1 as MaterialStyle

// A single-line text field in Material style: Qt Quick Controls' TextField with
// the library's TextFieldStyle (underline, accent colour when focused). Any
// other style, such as a customised MaterialStyle.TextFieldStyle, may be set.
Controls.TextField {
    id: textField

    // Colour of the underline while the field has the focus.
    property color color: Theme.accentColor
    // Shows the underline in errorColor.
    property bool hasError: false
    property color errorColor: Palette.colors.red["500"]

    style: MaterialStyle.TextFieldStyle {}
    Component.onCompleted: __plainPlaceholder()

    // Qt Quick Controls draws the placeholder with a text item of its own, the
    // field's only direct child that is a Text, which would take markup; it
    // shows plain text like every other text of the library.
    function __plainPlaceholder() {
        for (var i = 0; i < children.length; ++i) {
            if (children[i].textFormat !== undefined)
                children[i].textFormat = Text.PlainText;
        }
    }
}
