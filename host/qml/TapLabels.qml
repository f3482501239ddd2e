import QtQuick 2.4
import Material 0.2

// A strip naming what goes on each of the gauge's four pressure taps, left to
// right: channel A input, channel A reference, channel B input, channel B
// reference. Each tap shows its key's text in the colour of the tube that
// belongs on it; the four colour codes are public so that a page can pick the
// tubing diagram that matches them. The channels sit either side of the
// strip's centre, whatever its width.
Rectangle {
    id: tapLabelsRect

    property color backgroundColor: Theme.backgroundColor
    // Text colour on a box filled with its tube's colour.
    property color coloredBackgroundTextColor: Theme.dark.textColor
    // Side bars in the tube's colour on every box.
    property bool showBorders: true
    // Fill the boxes of taps that take a tube with the tube's colour.
    property bool coloredBackground: true
    property int labelWidth: Units.dp(88)

    // Tap-label keys ("TAP_LABEL_" + what the tube leads to).
    property string chAInput: "TAP_LABEL_INPUT"
    property string chARef: "TAP_LABEL_REFERENCE_ABBREV"
    property string chBInput: "TAP_LABEL_INPUT"
    property string chBRef: "TAP_LABEL_REFERENCE_ABBREV"

    // Tube colour codes of the four taps: "0" (no tube), "G", "R", "B", "Y".
    readonly property string chAInputColorCode: __colorCode(__chAInputColors, chAInput)
    readonly property string chARefColorCode: __colorCode(__chARefColors, chARef)
    readonly property string chBInputColorCode: __colorCode(__chBInputColors, chBInput)
    readonly property string chBRefColorCode: __colorCode(__chBRefColors, chBRef)

    readonly property int __marginBetween: Units.dp(12)
    readonly property int __marginCenter: Units.dp(20)
    readonly property int __borderWidth: Units.dp(2)
    readonly property int __stripHeight: Units.dp(16)
    // A text wider than its box is set smaller, down to this size, the
    // smallest that still reads on the device's screen, rather than cut: a
    // technician has to read every label whole. Only a text too long even
    // then is cut short (and the catalogues keep their labels short enough).
    readonly property int __minimumTextSize: Units.dp(11)

    // Texts, taken once when the strip is created. TAP_LABEL_DUCT_AH (a duct
    // behind an air handler) reads as a plain duct.
    readonly property var __translatedLabels: ({
        "TAP_LABEL_INPUT": qsTr("TAP_LABEL_INPUT"),
        "TAP_LABEL_REFERENCE_ABBREV": qsTr("TAP_LABEL_REFERENCE_ABBREV"),
        "TAP_LABEL_REFERENCE": qsTr("TAP_LABEL_REFERENCE"),
        "TAP_LABEL_NONE": qsTr("TAP_LABEL_NONE"),
        "TAP_LABEL_BUILDING": qsTr("TAP_LABEL_BUILDING"),
        "TAP_LABEL_DUCT": qsTr("TAP_LABEL_DUCT"),
        "TAP_LABEL_DUCT_AH": qsTr("TAP_LABEL_DUCT"),
        "TAP_LABEL_ENCLOSURE": qsTr("TAP_LABEL_ENCLOSURE"),
        "TAP_LABEL_OUTSIDE": qsTr("TAP_LABEL_OUTSIDE"),
        "TAP_LABEL_T4_FAN": qsTr("TAP_LABEL_T4_FAN"),
        "TAP_LABEL_T3_FAN": qsTr("TAP_LABEL_T3_FAN"),
        "TAP_LABEL_T3_220_FAN": qsTr("TAP_LABEL_T3_220_FAN"),
        "TAP_LABEL_WX_FAN": qsTr("TAP_LABEL_WX_FAN"),
        "TAP_LABEL_NSM_RED": qsTr("TAP_LABEL_NSM_RED"),
        "TAP_LABEL_FLOW_BOX": qsTr("TAP_LABEL_FLOW_BOX"),
        "TAP_LABEL_FAN_REF": qsTr("TAP_LABEL_FAN_REF"),
        "TAP_LABEL_ROUND_TRANS": qsTr("TAP_LABEL_ROUND_TRANS"),
        "TAP_LABEL_NSM_BLUE": qsTr("TAP_LABEL_NSM_BLUE"),
        "TAP_LABEL_PA_RED": qsTr("TAP_LABEL_PA_RED"),
        "TAP_LABEL_PA_GREEN": qsTr("TAP_LABEL_PA_GREEN")
    })

    // Tube colours by code; "0" is a tap without a tube.
    readonly property var __colors: ({
        "0": Theme.light.subTextColor,
        "G": "#2f6c14",
        "R": "#c80000",
        "B": "#0348c9",
        "Y": "#888888"
    })

    // The code of channel B's reference tube where the region's tubing calls
    // for it; asked once, "" when the device names none.
    readonly property string __alternateCode: __readAlternateCode()

    // Per tap: key -> colour code, "DEFAULT" for every other key.
    readonly property var __chAInputColors: ({
        "TAP_LABEL_BUILDING": "G",
        "TAP_LABEL_DUCT": "G",
        "TAP_LABEL_DUCT_AH": "B",
        "TAP_LABEL_ENCLOSURE": "G",
        "DEFAULT": "0"
    })
    readonly property var __chARefColors: ({
        "TAP_LABEL_BUILDING": "Y",
        "TAP_LABEL_OUTSIDE": "G",
        "DEFAULT": "0"
    })
    readonly property var __chBInputColors: ({
        "TAP_LABEL_INPUT": "0",
        "DEFAULT": "R"
    })
    readonly property var __chBRefColors: ({
        "TAP_LABEL_BUILDING": __alternateCode,
        "TAP_LABEL_OUTSIDE": __alternateCode,
        "TAP_LABEL_ROUND_TRANS": __alternateCode,
        "TAP_LABEL_FAN_REF": "B",
        "TAP_LABEL_NSM_BLUE": "B",
        "TAP_LABEL_PA_RED": "R",
        "TAP_LABEL_PA_GREEN": "G",
        "DEFAULT": "0"
    })

    anchors.left: parent ? parent.left : undefined
    anchors.right: parent ? parent.right : undefined
    height: __stripHeight
    color: backgroundColor

    // A key's code on one tap; a key without an entry, or with an empty one,
    // takes the tap's default.
    function __colorCode(rules, key) {
        var code = rules.hasOwnProperty(key) ? rules[key] : "";
        return code !== "" ? code : rules["DEFAULT"];
    }

    function __readAlternateCode() {
        if (typeof language === "undefined" || !language) {
            console.log("TapLabels.__readAlternateCode() no language object; no tube assumed");
            return "";
        }
        var code = String(language.alternateChBRefColor());
        if (code !== "" && !__colors.hasOwnProperty(code)) {
            console.log("TapLabels.__readAlternateCode() unknown colour code \"" + code + "\"; no tube assumed");
            return "";
        }
        return code;
    }

    function __label(key) {
        if (__translatedLabels.hasOwnProperty(key))
            return __translatedLabels[key];
        console.log("TapLabels.__label() no text for \"" + key + "\"");
        return key;
    }

    function __isFilled(code) {
        return coloredBackground && code !== "0";
    }

    // The box itself shows only as the side bars left of and right of its
    // inner rectangle.
    function __boxColor(code) {
        return showBorders ? __colors[code] : backgroundColor;
    }

    function __innerColor(code) {
        return __isFilled(code) ? __colors[code] : backgroundColor;
    }

    function __textColor(code) {
        return __isFilled(code) ? coloredBackgroundTextColor : __colors[code];
    }

    // One tap's box: its text in the tube's colour, or on a box filled with
    // it. The strip passes itself as `strip` for its colours and sizes.
    component TapBox: Rectangle {
        id: tapBox

        // The name of the tap ("inputA"): the box, its inner rectangle and
        // its label are found as name + "Rect", "Inner" and "Label".
        property string name: ""
        property string code: "0"
        property string text: ""
        property Item strip: null

        objectName: name + "Rect"
        width: strip ? strip.labelWidth : 0
        height: strip ? strip.height : 0
        color: strip ? strip.__boxColor(code) : "transparent"

        Rectangle {
            objectName: tapBox.name + "Inner"

            anchors.fill: parent
            anchors.leftMargin: tapBox.strip ? tapBox.strip.__borderWidth : 0
            anchors.rightMargin: tapBox.strip ? tapBox.strip.__borderWidth : 0
            color: tapBox.strip ? tapBox.strip.__innerColor(tapBox.code) : "transparent"

            Label {
                objectName: tapBox.name + "Label"

                anchors.fill: parent
                style: "button"
                // In the case given, as the gauge's tap boxes show the same
                // texts: forced capitals would turn "Außen" into "AUßEN" and
                // widen every label.
                font.capitalization: Font.MixedCase
                text: tapBox.text
                color: tapBox.strip ? tapBox.strip.__textColor(tapBox.code) : "transparent"
                horizontalAlignment: Text.AlignHCenter
                verticalAlignment: Text.AlignVCenter
                fontSizeMode: Text.HorizontalFit
                elide: Text.ElideRight
                minimumPixelSize: tapBox.strip ? tapBox.strip.__minimumTextSize : 1
            }
        }
    }

    TapBox {
        id: inputARect

        anchors.right: refARect.left
        anchors.rightMargin: tapLabelsRect.__marginBetween
        name: "inputA"
        code: tapLabelsRect.chAInputColorCode
        text: tapLabelsRect.__label(tapLabelsRect.chAInput)
        strip: tapLabelsRect
    }

    // The channels are placed from the strip's own centre, never its parent's,
    // which may go first when a page is torn down.
    TapBox {
        id: refARect

        anchors.right: tapLabelsRect.horizontalCenter
        anchors.rightMargin: tapLabelsRect.__marginCenter
        name: "refA"
        code: tapLabelsRect.chARefColorCode
        text: tapLabelsRect.__label(tapLabelsRect.chARef)
        strip: tapLabelsRect
    }

    TapBox {
        id: inputBRect

        anchors.left: tapLabelsRect.horizontalCenter
        anchors.leftMargin: tapLabelsRect.__marginCenter
        name: "inputB"
        code: tapLabelsRect.chBInputColorCode
        text: tapLabelsRect.__label(tapLabelsRect.chBInput)
        strip: tapLabelsRect
    }

    TapBox {
        id: refBRect

        anchors.left: inputBRect.right
        anchors.leftMargin: tapLabelsRect.__marginBetween
        name: "refB"
        code: tapLabelsRect.chBRefColorCode
        text: tapLabelsRect.__label(tapLabelsRect.chBRef)
        strip: tapLabelsRect
    }
}
