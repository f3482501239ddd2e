import QtQuick 2.4
import Material 0.2

// A differential pressure in each of the gauge's units. Tapping "Enter value"
// opens the shared number dialog; tapping a unit chooses it; "Show on gauge"
// launches the gauge in the chosen unit. Launch parameters: { "pascals": <number> }
// sets the pressure shown.
VeltraApp {
    id: converterApp

    // The pressure shown, in pascals.
    property real pascals: 50
    // The unit chosen for the gauge (the gauge's own names).
    property string unit: "PRESSUREUNITS_PA"

    readonly property var __units: [
        { "code": "PRESSUREUNITS_PA", "symbol": "Pa", "pascals": 1, "decimals": 1 },
        { "code": "PRESSUREUNITS_HPA", "symbol": "hPa", "pascals": 100, "decimals": 3 },
        { "code": "PRESSUREUNITS_INH2O", "symbol": "inH\u2082O", "pascals": 249.0889, "decimals": 3 },
        { "code": "PRESSUREUNITS_MMH2O", "symbol": "mmH\u2082O", "pascals": 9.80665, "decimals": 2 }
    ]
    readonly property string __gaugeId: "com.ostrelle.veltra.Gauge"

    title: qsTr("UNITCONVERTER_TITLE")
    initialPage: converterPage
    theme.primaryColor: Palette.colors.teal["500"]
    theme.primaryDarkColor: Palette.colors.teal["700"]
    theme.accentColor: Palette.colors.amber["700"]
    onStart: __apply(params)
    onResume: __apply(params)

    // The pressure in the unit of `entry` (one of __units), as the locale writes it.
    function format(entry) {
        return Number(pascals / entry.pascals).toLocaleString(Qt.locale(), "f", entry.decimals);
    }

    function __apply(params) {
        if (params && typeof params === "object" && typeof params.pascals === "number" && isFinite(params.pascals))
            pascals = params.pascals;
    }

    function __enter(text) {
        var value = NaN;
        try {
            value = Number.fromLocaleString(Qt.locale(), text);
        } catch (error) {
            value = NaN;
        }
        if (!isFinite(value))
            return;
        pascals = value;
        snackbar.open(qsTr("UNITCONVERTER_VALUE_SET"));
    }

    NumberInputDialog {
        id: valueDialog

        objectName: "valueDialog"
        title: qsTr("UNITCONVERTER_ENTER_VALUE")
        unitsLabel: "Pa"
        allowDecimal: true
        allowNegative: true
        selectAllOnOpen: true
        onAccepted: converterApp.__enter(value)
    }

    Page {
        id: converterPage

        title: qsTr("UNITCONVERTER_TITLE")

        Column {
            anchors.fill: parent
            anchors.margins: Units.dp(8)
            spacing: Units.dp(2)

            Repeater {
                model: converterApp.__units

                UnitConverterRow {
                    objectName: "unitRow_" + modelData.code
                    width: parent.width
                    symbol: modelData.symbol
                    value: converterApp.format(modelData)
                    chosen: converterApp.unit === modelData.code
                    onTapped: converterApp.unit = modelData.code
                }
            }

            Row {
                spacing: Units.dp(8)

                Button {
                    objectName: "enterValueButton"
                    text: qsTr("UNITCONVERTER_ENTER_VALUE")
                    elevation: 1
                    onClicked: {
                        valueDialog.initialValue = Number(converterApp.pascals).toLocaleString(Qt.locale(), "f", 1);
                        valueDialog.open();
                    }
                }

                Button {
                    objectName: "showOnGaugeButton"
                    text: qsTr("UNITCONVERTER_SHOW_ON_GAUGE")
                    elevation: 1
                    onClicked: converterApp.launch(converterApp.__gaugeId, { "forcePressureUnits": converterApp.unit })
                }
            }
        }
    }
}
