import QtQuick 2.4
import QtQuick.Window 2.2

// The floor of the floor: a bare Qt Quick window of the shell's size.
Window {
    width: 480
    height: 272
    visible: true
    title: "Bare window"
}
