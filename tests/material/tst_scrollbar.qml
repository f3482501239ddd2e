import QtQuick 2.4
import QtTest 1.1
import Material 0.2

Item {
    id: root
    width: 300
    height: 200

    Component {
        id: listComponent
        Item {
            property alias flickable: flickable
            property alias scrollbar: scrollbar
            anchors.fill: parent

            Flickable {
                id: flickable
                x: 10
                y: 20
                width: 200
                height: 100
                contentWidth: 800
                contentHeight: 400
            }

            Scrollbar {
                id: scrollbar
                flickableItem: flickable
            }
        }
    }

    TestCase {
        id: testCase
        name: "Scrollbar"
        when: windowShown

        property var list: null

        function init() {
            Units.multiplier = 1;
            Units.pixelDensity = 160 / 25.4;
            list = createTemporaryObject(listComponent, root);
            verify(list);
        }

        function thumb() {
            return list.scrollbar.children[0];
        }

        function test_flashShowsBriefly() {
            var bar = list.scrollbar;
            compare(bar.showing, false);
            compare(bar.opacity, 0);
            bar.flashScrollbar();
            compare(bar.showing, true);
            tryCompare(bar, "opacity", 1);
            tryCompare(bar, "showing", false, 3000 * timeoutFactor);
            tryCompare(bar, "opacity", 0);
        }

        function test_alwaysShowKeepsIt() {
            var other = createTemporaryObject(listComponent, root);
            list.scrollbar.alwaysShow = true;
            compare(list.scrollbar.showing, true);
            list.scrollbar.flashScrollbar();
            other.scrollbar.flashScrollbar();
            // The other bar's flash has run out: as long as a flash lasts, and more.
            tryCompare(other.scrollbar, "showing", false, 3000 * timeoutFactor);
            compare(list.scrollbar.showing, true);
            compare(list.scrollbar.opacity, 1);
        }

        function test_movingShows() {
            list.flickable.flick(0, -2000);
            tryCompare(list.scrollbar, "showing", true);
            tryCompare(list.flickable, "moving", false, 5000 * timeoutFactor);
            tryCompare(list.scrollbar, "showing", false, 3000 * timeoutFactor);
        }

        function test_geometry_data() {
            return [
                { tag: "vertical", orientation: Qt.Vertical },
                { tag: "horizontal", orientation: Qt.Horizontal }
            ];
        }

        function test_geometry(data) {
            var bar = list.scrollbar;
            var flick = list.flickable;
            bar.orientation = data.orientation;
            var vertical = data.orientation === Qt.Vertical;
            if (vertical) {
                compare(bar.x + bar.width, flick.x + flick.width, "along the right edge");
                compare(bar.y, flick.y);
                compare(bar.height, flick.height);
            } else {
                compare(bar.y + bar.height, flick.y + flick.height, "along the bottom edge");
                compare(bar.x, flick.x);
                compare(bar.width, flick.width);
            }
            var length = vertical ? bar.height : bar.width;
            var size = function() { return vertical ? thumb().height : thumb().width; };
            var offset = function() { return vertical ? thumb().y : thumb().x; };
            compare(size(), length / 4, "a quarter of the content is visible");
            compare(offset(), 0);
            if (vertical)
                flick.contentY = flick.contentHeight - flick.height;
            else
                flick.contentX = flick.contentWidth - flick.width;
            compare(offset() + size(), length, "at the end of the content");
        }

        function test_shortContentFillsTrack() {
            list.flickable.contentHeight = 50;
            list.scrollbar.alwaysShow = true;
            compare(thumb().height, list.scrollbar.height);
            compare(thumb().y, 0);
        }
    }
}
