import QtQuick 2.4
import Material 0.2

// The gauge: the channel mode, the pressure units and the four tap labels it
// was launched with, and the live readings of channels A and B (simulated).
// Launch parameters are a record such as the tubing wizard sends:
//   { forceGaugeMode, forcePressureUnits, chAInputLbl, chARefLbl, chBInputLbl, chBRefLbl }
// A member that is missing or not a non-empty string takes its default; a
// launch without a record keeps the configuration shown.
VeltraApp {
    id: gaugeApp

    property string channelMode: __defaults.forceGaugeMode
    property string pressureUnits: __defaults.forcePressureUnits
    property string chAInputLbl: __defaults.chAInputLbl
    property string chARefLbl: __defaults.chARefLbl
    property string chBInputLbl: __defaults.chBInputLbl
    property string chBRefLbl: __defaults.chBRefLbl
    // The latest readings, in pascals.
    property real channelAPressure: __baseA
    property real channelBPressure: __baseB
    // Whether the simulated readings are being updated.
    readonly property bool measuring: sampleTimer.running

    readonly property var __defaults: ({
        "forceGaugeMode": "CHANNELMODE_PR_PR",
        "forcePressureUnits": "PRESSUREUNITS_PA",
        "chAInputLbl": "TAP_LABEL_INPUT",
        "chARefLbl": "TAP_LABEL_REFERENCE",
        "chBInputLbl": "TAP_LABEL_INPUT",
        "chBRefLbl": "TAP_LABEL_REFERENCE"
    })
    // Pascals per unit and the decimals shown in it.
    readonly property var __units: ({
        "PRESSUREUNITS_PA": { "pascals": 1, "decimals": 1 },
        "PRESSUREUNITS_HPA": { "pascals": 100, "decimals": 3 },
        "PRESSUREUNITS_INH2O": { "pascals": 249.0889, "decimals": 3 },
        "PRESSUREUNITS_MMH2O": { "pascals": 9.80665, "decimals": 2 }
    })
    // A house held at about -50 Pa by a fan that needs about 120 Pa.
    readonly property real __baseA: -50.0
    readonly property real __baseB: 120.0
    readonly property real __driftA: 1.8
    readonly property real __driftB: 6.0
    readonly property real __noiseA: 0.6
    readonly property real __noiseB: 1.5
    readonly property int __sampleInterval: 500
    property real __phase: 0

    title: qsTr("GAUGE_APP_TITLE")
    initialPage: gaugePage
    onStart: {
        __configure(params);
        __sample();
        sampleTimer.start();
    }
    onResume: {
        __configure(params);
        sampleTimer.start();
    }
    onPause: sampleTimer.stop()

    function __configure(params) {
        if (params === undefined || params === null)
            return;
        if (typeof params !== "object" || Array.isArray(params)) {
            console.log("GaugeApp.__configure(): launch parameters are not a record: " + JSON.stringify(params));
            return;
        }
        channelMode = __textMember(params, "forceGaugeMode");
        pressureUnits = __textMember(params, "forcePressureUnits");
        chAInputLbl = __textMember(params, "chAInputLbl");
        chARefLbl = __textMember(params, "chARefLbl");
        chBInputLbl = __textMember(params, "chBInputLbl");
        chBRefLbl = __textMember(params, "chBRefLbl");
    }

    function __textMember(params, name) {
        var value = params[name];
        return typeof value === "string" && value !== "" ? value : __defaults[name];
    }

    // The user-visible name of a channel mode; an unknown mode shows its own name.
    function modeText(mode) {
        switch (mode) {
        case "CHANNELMODE_PR_PR": return qsTr("CHANNELMODE_PR_PR");
        case "CHANNELMODE_FLOWAT50": return qsTr("CHANNELMODE_FLOWAT50");
        case "CHANNELMODE_FLOWAT25": return qsTr("CHANNELMODE_FLOWAT25");
        case "CHANNELMODE_AH_FLOW": return qsTr("CHANNELMODE_AH_FLOW");
        case "CHANNELMODE_FLOW": return qsTr("CHANNELMODE_FLOW");
        }
        return __readable(mode, "CHANNELMODE_");
    }

    function unitText(units) {
        switch (units) {
        case "PRESSUREUNITS_PA": return qsTr("PRESSUREUNITS_PA");
        case "PRESSUREUNITS_HPA": return qsTr("PRESSUREUNITS_HPA");
        case "PRESSUREUNITS_INH2O": return qsTr("PRESSUREUNITS_INH2O");
        case "PRESSUREUNITS_MMH2O": return qsTr("PRESSUREUNITS_MMH2O");
        }
        // Readings of units the gauge does not know are shown in pascals.
        return qsTr("PRESSUREUNITS_PA");
    }

    // The text of a tap-label key; a key the gauge does not know shows its own name.
    function tapLabelText(key) {
        switch (key) {
        case "TAP_LABEL_INPUT": return qsTr("TAP_LABEL_INPUT");
        case "TAP_LABEL_REFERENCE_ABBREV": return qsTr("TAP_LABEL_REFERENCE_ABBREV");
        case "TAP_LABEL_REFERENCE": return qsTr("TAP_LABEL_REFERENCE");
        case "TAP_LABEL_NONE": return qsTr("TAP_LABEL_NONE");
        case "TAP_LABEL_BUILDING": return qsTr("TAP_LABEL_BUILDING");
        case "TAP_LABEL_DUCT": return qsTr("TAP_LABEL_DUCT");
        case "TAP_LABEL_DUCT_AH": return qsTr("TAP_LABEL_DUCT");
        case "TAP_LABEL_ENCLOSURE": return qsTr("TAP_LABEL_ENCLOSURE");
        case "TAP_LABEL_OUTSIDE": return qsTr("TAP_LABEL_OUTSIDE");
        case "TAP_LABEL_T4_FAN": return qsTr("TAP_LABEL_T4_FAN");
        case "TAP_LABEL_T3_FAN": return qsTr("TAP_LABEL_T3_FAN");
        case "TAP_LABEL_T3_220_FAN": return qsTr("TAP_LABEL_T3_220_FAN");
        case "TAP_LABEL_WX_FAN": return qsTr("TAP_LABEL_WX_FAN");
        case "TAP_LABEL_NSM_RED": return qsTr("TAP_LABEL_NSM_RED");
        case "TAP_LABEL_FLOW_BOX": return qsTr("TAP_LABEL_FLOW_BOX");
        case "TAP_LABEL_FAN_REF": return qsTr("TAP_LABEL_FAN_REF");
        case "TAP_LABEL_ROUND_TRANS": return qsTr("TAP_LABEL_ROUND_TRANS");
        case "TAP_LABEL_NSM_BLUE": return qsTr("TAP_LABEL_NSM_BLUE");
        case "TAP_LABEL_PA_RED": return qsTr("TAP_LABEL_PA_RED");
        case "TAP_LABEL_PA_GREEN": return qsTr("TAP_LABEL_PA_GREEN");
        }
        return __readable(key, "TAP_LABEL_");
    }

    // A pressure in pascals as a number in `units`, in the locale's format.
    function readingText(pascals, units) {
        var unit = __units.hasOwnProperty(units) ? __units[units] : __units["PRESSUREUNITS_PA"];
        return (pascals / unit.pascals).toLocaleString(Qt.locale(), "f", unit.decimals);
    }

    // "TAP_LABEL_T3_FAN" without its prefix, words separated: "T3 FAN".
    function __readable(key, prefix) {
        var text = String(key);
        if (text.indexOf(prefix) === 0)
            text = text.substring(prefix.length);
        return text.replace(/_/g, " ");
    }

    function __sample() {
        __phase += 0.15;
        channelAPressure = __baseA + __driftA * Math.sin(__phase) + __noiseA * (Math.random() * 2 - 1);
        channelBPressure = __baseB + __driftB * Math.sin(__phase * 0.7) + __noiseB * (Math.random() * 2 - 1);
    }

    Timer {
        id: sampleTimer

        objectName: "sampleTimer"
        interval: gaugeApp.__sampleInterval
        repeat: true
        onTriggered: gaugeApp.__sample()
    }

    Page {
        id: gaugePage

        objectName: "gaugePage"
        title: gaugeApp.title
        actions: [
            Action {
                objectName: "homeAction"
                iconName: "action/home"
                name: qsTr("HOME_ACTION_NAME")
                onTriggered: gaugeApp.goHome()
            }
        ]

        Row {
            id: configRow

            objectName: "configRow"
            anchors.left: parent.left
            anchors.right: parent.right
            anchors.top: parent.top
            anchors.margins: Units.dp(8)
            height: Units.dp(24)
            spacing: Units.dp(8)

            GaugeChip {
                objectName: "modeChip"
                iconName: "action/settings_input_component"
                caption: qsTr("GAUGE_MODE")
                text: gaugeApp.modeText(gaugeApp.channelMode)
            }

            GaugeChip {
                objectName: "unitsChip"
                iconName: "image/straighten"
                caption: qsTr("GAUGE_UNITS")
                text: gaugeApp.unitText(gaugeApp.pressureUnits)
            }
        }

        Row {
            id: channelRow

            anchors.left: parent.left
            anchors.right: parent.right
            anchors.top: configRow.bottom
            anchors.bottom: tapStrip.top
            anchors.margins: Units.dp(8)
            spacing: Units.dp(8)

            GaugeChannelCard {
                objectName: "channelA"
                width: (channelRow.width - channelRow.spacing) / 2
                height: channelRow.height
                channel: "A"
                title: qsTr("GAUGE_CHANNEL_A")
                reading: gaugeApp.readingText(gaugeApp.channelAPressure, gaugeApp.pressureUnits)
                unit: gaugeApp.unitText(gaugeApp.pressureUnits)
                inputCaption: qsTr("GAUGE_TAP_INPUT")
                referenceCaption: qsTr("GAUGE_TAP_REFERENCE")
                inputLabel: gaugeApp.tapLabelText(gaugeApp.chAInputLbl)
                referenceLabel: gaugeApp.tapLabelText(gaugeApp.chARefLbl)
            }

            GaugeChannelCard {
                objectName: "channelB"
                width: (channelRow.width - channelRow.spacing) / 2
                height: channelRow.height
                channel: "B"
                title: qsTr("GAUGE_CHANNEL_B")
                reading: gaugeApp.readingText(gaugeApp.channelBPressure, gaugeApp.pressureUnits)
                unit: gaugeApp.unitText(gaugeApp.pressureUnits)
                inputCaption: qsTr("GAUGE_TAP_INPUT")
                referenceCaption: qsTr("GAUGE_TAP_REFERENCE")
                inputLabel: gaugeApp.tapLabelText(gaugeApp.chBInputLbl)
                referenceLabel: gaugeApp.tapLabelText(gaugeApp.chBRefLbl)
            }
        }

        // The shell's tap-label strip: what each tube leads to, in its colour.
        TapLabels {
            id: tapStrip

            objectName: "tapStrip"
            anchors.bottom: parent.bottom
            chAInput: gaugeApp.chAInputLbl
            chARef: gaugeApp.chARefLbl
            chBInput: gaugeApp.chBInputLbl
            chBRef: gaugeApp.chBRefLbl
        }
    }
}
