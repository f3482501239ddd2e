import QtQuick 2.4
import Material 0.2
import com.zel 1.0

// Device settings: the gauge's identity (model, serial number, calibration
// date, software version) as the device reports it, and the language: the
// eleven the device offers, each by its own name, the chosen one checked. A
// choice is stored in the global configuration and takes effect at the next
// start.
VeltraApp {
    id: settingsApp

    // The device's language as a locale name ("de-DE"); "en-US" without one.
    readonly property string languageCode: typeof language !== "undefined" && language && language.language
                                           ? language.language : "en-US"
    // The language stored for the next start; the running one when none is.
    readonly property string chosenLanguageCode: __language && __language.storedLanguage !== ""
                                                 ? __language.storedLanguage : languageCode
    // Every language the device offers, by its own name; names are never translated.
    readonly property var languages: [
        { "code": "de-DE", "name": "Deutsch" },
        { "code": "en-BE", "name": "English (Belgium)" },
        { "code": "en-GB", "name": "English (UK)" },
        { "code": "en-US", "name": "English (US)" },
        { "code": "es-ES", "name": "Espa\u00f1ol" },
        { "code": "fr-FR", "name": "Fran\u00e7ais" },
        { "code": "it-IT", "name": "Italiano" },
        { "code": "nb-NO", "name": "Norsk bokm\u00e5l" },
        { "code": "nl-NL", "name": "Nederlands" },
        { "code": "pt-BR", "name": "Portugu\u00eas (Brasil)" },
        { "code": "zh-CN", "name": "\u4e2d\u6587\uff08\u7b80\u4f53\uff09" }
    ]
    readonly property QtObject __language: typeof language !== "undefined" && language ? language : null
    readonly property var __gaugeInfo: statusManager.gaugeInfo
    // The last choice could not be stored: the configuration was not written.
    property bool __languageNotSaved: false
    readonly property string __noValue: "\u2014"

    title: qsTr("SETTINGS_APP_TITLE")
    initialPage: settingsPage

    // Stores `code` as the language of the next start.
    function chooseLanguage(code) {
        if (!__language) {
            console.log("SettingsApp.chooseLanguage() no language service; " + code + " not stored");
            return false;
        }
        var stored = __language.setLanguage(code);
        __languageNotSaved = !stored;
        return stored;
    }

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
                height: cards.height
                iconName: "action/language"
                title: qsTr("SETTINGS_LANGUAGE_SECTION")

                ListView {
                    id: languageList

                    objectName: "languageList"
                    width: parent.width
                    height: languageCard.availableHeight - (nextStartNote.visible ? nextStartNote.height : 0)
                    clip: true
                    boundsBehavior: Flickable.StopAtBounds
                    model: settingsApp.languages
                    currentIndex: -1
                    // The chosen language in view when the page opens and when
                    // the list's height settles or changes.
                    Component.onCompleted: showChosen()
                    onHeightChanged: showChosen()

                    function showChosen() {
                        var codes = settingsApp.languages.map(function(l) { return l.code; });
                        positionViewAtIndex(codes.indexOf(settingsApp.chosenLanguageCode), ListView.Contain);
                    }
                    delegate: SettingsLanguageRow {
                        objectName: "language_" + modelData.code
                        code: modelData.code
                        nativeName: modelData.name
                        selected: modelData.code === settingsApp.chosenLanguageCode
                        showDivider: index < settingsApp.languages.length - 1
                        onChosen: settingsApp.chooseLanguage(code)
                    }
                }

                Label {
                    id: nextStartNote

                    objectName: "nextStartNote"
                    x: Units.dp(12)
                    width: parent.width - 2 * x
                    visible: settingsApp.__languageNotSaved
                             || settingsApp.chosenLanguageCode !== settingsApp.languageCode
                    wrapMode: Text.Wrap
                    style: "caption"
                    color: settingsApp.__languageNotSaved ? Palette.colors.red["700"] : Theme.light.subTextColor
                    text: settingsApp.__languageNotSaved ? qsTr("SETTINGS_LANGUAGE_NOT_SAVED")
                                                         : qsTr("SETTINGS_LANGUAGE_NEXT_START")
                }
            }
        }
    }
}
