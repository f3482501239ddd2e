import QtQuick 2.4
import Material 0.2

// The keys of the on-screen keyboard, layer by layer. A key is a text (typed as
// that text) or a Qt key code (sent as a key press).
QtObject {
    id: kLayout

    // Layer name to its rows, in the order the keyboard builds them.
    readonly property var keys: ({
        "MODE_DEFAULT": _defaultMode,
        "MODE_CAPS": _capsMode,
        "MODE_SYM": _symMode
    })
    // Keys drawn as a Material icon instead of a label.
    readonly property var iconKeys: {
        var icons = {};
        icons[Qt.Key_Backspace] = "content/backspace";
        icons[" "] = "editor/space_bar";
        icons[Qt.Key_CapsLock] = "hardware/keyboard_capslock";
        return icons;
    }
    // Keys that switch to another layer instead of typing.
    readonly property var modeKeys: {
        var modes = {};
        modes[Qt.Key_CapsLock] = "MODE_CAPS";
        modes["SYM"] = "MODE_SYM";
        modes["abc"] = "MODE_DEFAULT";
        return modes;
    }

    readonly property var _defaultMode: [
        ["q", "w", "e", "r", "t", "y", "u", "i", "o", "p"],
        ["a", "s", "d", "f", "g", "h", "j", "k", "l"],
        [Qt.Key_CapsLock, "z", "x", "c", "v", "b", "n", "m", " ", Qt.Key_Backspace]
    ]
    readonly property var _capsMode: [
        ["Q", "W", "E", "R", "T", "Y", "U", "I", "O", "P"],
        ["A", "S", "D", "F", "G", "H", "J", "K", "L"],
        ["SYM", "Z", "X", "C", "V", "B", "N", "M", " ", Qt.Key_Backspace]
    ]
    readonly property var _symMode: [
        [Qt.Key_1, Qt.Key_2, Qt.Key_3, Qt.Key_4, Qt.Key_5, Qt.Key_6, Qt.Key_7, Qt.Key_8, Qt.Key_9, Qt.Key_0],
        [Qt.Key_At, Qt.Key_Dollar, Qt.Key_Ampersand, Qt.Key_Underscore, Qt.Key_ParenLeft,
         Qt.Key_ParenRight, Qt.Key_Colon, Qt.Key_Semicolon, Qt.Key_QuoteDbl, Qt.Key_Apostrophe],
        ["abc", Qt.Key_Exclam, Qt.Key_NumberSign, Qt.Key_Equal, Qt.Key_Plus, Qt.Key_Minus,
         Qt.Key_Period, Qt.Key_Question, Qt.Key_Slash, Qt.Key_Backspace]
    ]
}
