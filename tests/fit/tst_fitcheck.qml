import QtQuick 2.4
import QtTest 1.2
import "FitCheck.js" as FitCheck

// The fit check on single texts: each way a text can hide what it says is
// found, and a text that fits, or may be cut, is let through.
Item {
    id: root

    width: 400
    height: 200

    // A screen with one text on it, as the row describes.
    Component {
        id: screenComponent

        Item {
            property alias label: label

            width: root.width
            height: root.height

            Text {
                id: label

                font.pixelSize: 14
            }
        }
    }

    TestCase {
        id: testCase

        name: "FitCheck"
        when: windowShown

        function test_text_data() {
            return [
                { tag: "fits", props: { text: "Luftkanal", width: 200 }, found: "" },
                { tag: "elided", props: { text: "Schläuche anschließen und Start drücken", width: 120,
                                          elide: Text.ElideRight }, found: "is cut short (elided)" },
                { tag: "elided where allowed", props: { text: "SiteOffice-Guest-Network", width: 60, elide: Text.ElideRight },
                  mayCut: true, found: "" },
                { tag: "lines dropped", props: { text: "Luftmengde i ventilasjonsaggregat", width: 120,
                                                 wrapMode: Text.WordWrap, maximumLineCount: 1 },
                  found: "is cut short (lines dropped)" },
                { tag: "shrunk too far", props: { text: "T3 220-Gebläse", width: 50, fontSizeMode: Text.HorizontalFit,
                                                  minimumPixelSize: 6 }, found: "smaller than 11 px" },
                { tag: "shrunk a little", props: { text: "T3-Gebläse", width: 70, fontSizeMode: Text.HorizontalFit,
                                                   minimumPixelSize: 11 }, found: "" },
                { tag: "word longer than a line", props: { text: "Luchtdebiet luchtbehandelingskast", width: 100,
                                                           wrapMode: Text.WordWrap }, found: "(a word longer than a line)" },
                { tag: "one line too wide", props: { text: "Volumenstrom Lüftungsgerät", width: 80 },
                  found: "wide in a box of 80" },
                { tag: "forced capitals", props: { text: "Außen", width: 200, "font.capitalization": Font.AllUppercase },
                  found: "put into capitals by its font" },
                { tag: "unit in forced capitals", props: { text: "-50 Pa", width: 200,
                                                           "font.capitalization": Font.AllUppercase },
                  found: "put into capitals by its font" },
                { tag: "capitals given", props: { text: "AUSSEN", width: 200, "font.capitalization": Font.AllUppercase },
                  found: "" },
                { tag: "off the screen", props: { text: "Eingang", width: 100, x: 350 }, found: "outside the 400 x 200 screen" }
            ];
        }

        function test_text(data) {
            var screen = createTemporaryObject(screenComponent, root);
            verify(screen);
            for (var name in data.props) {
                if (name === "font.capitalization")
                    screen.label.font.capitalization = data.props[name];
                else
                    screen.label[name] = data.props[name];
            }
            waitForRendering(screen);
            var problems = FitCheck.check(screen, { "smallest": 11, "mayCut": function() { return data.mayCut === true; } });
            if (data.found === "") {
                compare(problems, []);
            } else {
                compare(problems.length, 1, JSON.stringify(problems));
                verify(problems[0].indexOf(data.found) >= 0, problems[0]);
            }
        }
    }
}
