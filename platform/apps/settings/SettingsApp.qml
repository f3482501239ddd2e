import QtQuick 2.4
import Material 0.2
import com.zel 1.0

// Device settings: the gauge's identity (model, serial number, calibration
// date, software version) as the device reports it, and the language the
// device runs in.
VeltraApp {
    id: settingsApp

    // The device's language as a locale name ("de-DE"); "en-US" without one.
    readonly property string languageCode: typeof language !== "undefined" && language && language.language
                                           ? language.language : "en-US"
    readonly property var __locale: Qt.locale(languageCode.replace("-", "_"))
    readonly property var __gaugeInfo: statusManager.gaugeInfo
    readonly property string __noValue: "\u2014"

    title: qsTr("SETTINGS_APP_TITLE")
    initialPage: settingsPage

    // A device value for display: the dash when the device reports none.
    function valueText(value) {
        return value === undefined || value === null || String(value) === "" ? __noValue : String(value);
    }

    StatusManager {
        id: statusManager
    }

    Page {
        id: settingsPage

        objectName: "settingsPage"
        title: settingsApp.title
        actions: [
            Action {
                objectName: "homeAction"
                iconName: "action/home"
                name: qsTr("HOME_ACTION_NAME")
                onTriggered: settingsApp.goHome()
            }
        ]

        Row {
            id: cards

            anchors.fill: parent
            anchors.margins: Units.dp(8)
            spacing: Units.dp(8)

            SettingsCard {
                id: gaugeCard

                objectName: "gaugeCard"
                width: Math.round((cards.width - cards.spacing) * 0.6)
                iconName: "action/info_outline"
                title: qsTr("SETTINGS_GAUGE_SECTION")

                SettingsRow {
                    objectName: "modelRow"
                    label: qsTr("SETTINGS_MODEL")
                    value: settingsApp.valueText(settingsApp.__gaugeInfo ? settingsApp.__gaugeInfo.modelNumber : "")
                }

                SettingsRow {
                    objectName: "serialRow"
                    label: qsTr("SETTINGS_SERIAL_NUMBER")
                    value: settingsApp.valueText(settingsApp.__gaugeInfo ? settingsApp.__gaugeInfo.serialNumber : "")
                }

                SettingsRow {
                    objectName: "calibrationRow"
                    label: qsTr("SETTINGS_CALIBRATION_DATE")
                    value: settingsApp.valueText(settingsApp.__gaugeInfo ? settingsApp.__gaugeInfo.calibrationDate : "")
                }

                SettingsRow {
                    objectName: "softwareRow"
                    label: qsTr("SETTINGS_SOFTWARE_VERSION")
                    value: settingsApp.valueText(settingsApp.__gaugeInfo ? settingsApp.__gaugeInfo.softwareVersion : "")
                    showDivider: false
                }
            }

            SettingsCard {
                id: languageCard

                objectName: "languageCard"
                width: cards.width - cards.spacing - gaugeCard.width
                iconName: "action/language"
                title: qsTr("SETTINGS_LANGUAGE_SECTION")

                Label {
                    objectName: "languageName"
                    x: Units.dp(12)
                    width: parent.width - 2 * x
                    elide: Text.ElideRight
                    style: "title"
                    text: settingsApp.__locale.nativeLanguageName
                }

                Label {
                    objectName: "languageCode"
                    x: Units.dp(12)
                    width: parent.width - 2 * x
                    elide: Text.ElideRight
                    style: "body1"
                    color: Theme.light.subTextColor
                    text: settingsApp.__locale.nativeCountryName + " \u00b7 " + settingsApp.languageCode
                }
            }
        }
    }
}
