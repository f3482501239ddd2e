import QtQuick 2.4
import QtQuick.Controls 1.4

// The floor the shell is measured against: what any Qt Quick Controls 1
// program of the shell's size shows at least, a window with a page stack
// holding one page with a 500-line list. switchPage() replaces the page by a
// second one and back, a page change with the stack view's own transition.
ApplicationWindow {
    id: floorWindow

    readonly property int __lineCount: 500
    readonly property int __lineHeight: 36

    width: 480
    height: 272
    visible: true
    title: "Floor"

    function switchPage() {
        stackView.push({ "item": stackView.currentItem === listPage ? otherPage : listPage, "replace": true });
    }

    StackView {
        id: stackView

        anchors.fill: parent
        initialItem: listPage
    }

    Item {
        id: listPage

        ListView {
            objectName: "floorList"
            anchors.fill: parent
            clip: true
            model: floorWindow.__lineCount
            delegate: Text {
                height: floorWindow.__lineHeight
                verticalAlignment: Text.AlignVCenter
                text: "Line " + (index + 1)
            }
        }
    }

    Item {
        id: otherPage

        visible: false

        Text {
            anchors.centerIn: parent
            text: "Second page"
        }
    }
}
