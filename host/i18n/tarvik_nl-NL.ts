<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl_NL">
<context>
    <name>AppManager</name>
    <message>
        <source>GAUGE_APP_TITLE</source>
        <translation>Manometer</translation>
    </message>
    <message>
        <source>UPDATES_APP_TITLE</source>
        <translation>Updates</translation>
    </message>
    <message>
        <source>SETTINGS_APP_TITLE</source>
        <translation>Instellingen</translation>
    </message>
    <message>
        <source>POWER_APP_TITLE</source>
        <translation>Uitschakelen</translation>
    </message>
    <message>
        <source>LUMVAR_APP_TITLE</source>
        <translation>Lumvar</translation>
    </message>
</context>
<context>
    <name>KeyboardInputDialog</name>
    <message>
        <source>DIALOG_POS_BTN_DEFAULT</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>INPUT_INVALID</source>
        <translation>Ongeldig</translation>
    </message>
</context>
<context>
    <name>NumberInputDialog</name>
    <message>
        <source>INPUT_INVALID</source>
        <translation>Ongeldig</translation>
    </message>
</context>
<context>
    <name>TapLabels</name>
    <message>
        <source>TAP_LABEL_INPUT</source>
        <translation>Ingang</translation>
    </message>
    <message>
        <source>TAP_LABEL_REFERENCE_ABBREV</source>
        <translation>Ref</translation>
    </message>
    <message>
        <source>TAP_LABEL_REFERENCE</source>
        <translation>Referentie</translation>
    </message>
    <message>
        <source>TAP_LABEL_NONE</source>
        <translation>Geen</translation>
    </message>
    <message>
        <source>TAP_LABEL_BUILDING</source>
        <translation>Gebouw</translation>
    </message>
    <message>
        <source>TAP_LABEL_DUCT</source>
        <translation>Luchtkanaal</translation>
    </message>
    <message>
        <source>TAP_LABEL_ENCLOSURE</source>
        <translation>Testruimte</translation>
    </message>
    <message>
        <source>TAP_LABEL_OUTSIDE</source>
        <translation>Buiten</translation>
    </message>
    <message>
        <source>TAP_LABEL_T4_FAN</source>
        <translation>T4-ventilator</translation>
    </message>
    <message>
        <source>TAP_LABEL_T3_FAN</source>
        <translation>T3-ventilator</translation>
    </message>
    <message>
        <source>TAP_LABEL_T3_220_FAN</source>
        <translation>T3 220-vent.</translation>
    </message>
    <message>
        <source>TAP_LABEL_WX_FAN</source>
        <translation>WX-ventilator</translation>
    </message>
    <message>
        <source>TAP_LABEL_NSM_RED</source>
        <translation>NSM rood</translation>
    </message>
    <message>
        <source>TAP_LABEL_FLOW_BOX</source>
        <translation>Debietkap</translation>
    </message>
    <message>
        <source>TAP_LABEL_FAN_REF</source>
        <translation>Ref. ventilator</translation>
    </message>
    <message>
        <source>TAP_LABEL_ROUND_TRANS</source>
        <translation>Ronde overg.</translation>
    </message>
    <message>
        <source>TAP_LABEL_NSM_BLUE</source>
        <translation>NSM blauw</translation>
    </message>
    <message>
        <source>TAP_LABEL_PA_RED</source>
        <translation>PA rood</translation>
    </message>
    <message>
        <source>TAP_LABEL_PA_GREEN</source>
        <translation>PA groen</translation>
    </message>
</context>
<context>
    <name>VeltraRootApp</name>
    <message>
        <source>APP_ERROR_NO_QML</source>
        <translation>Het record van de app noemt geen QML-hoofdbestand.</translation>
    </message>
    <message>
        <source>APP_ERROR_NOT_AN_APP</source>
        <translation>De hoofdcomponent van %1 is geen VeltraApp.</translation>
    </message>
    <message>
        <source>APP_ERROR_NOT_CREATED</source>
        <translation>%1 kon niet worden aangemaakt; het logboek vermeldt waarom.</translation>
    </message>
    <message>
        <source>APP_LAUNCHING_SNACKBAR</source>
        <translation>%1 wordt gestart…</translation>
    </message>
    <message>
        <source>AUTO_OFF_DIALOG_TITLE</source>
        <translation>Automatisch uitschakelen</translation>
    </message>
    <message>
        <source>AUTO_OFF_DIALOG_MSG</source>
        <translation>Het apparaat schakelt over minder dan 60 seconden automatisch uit. Tik ergens op het scherm om het uitschakelen te voorkomen.</translation>
    </message>
    <message>
        <source>VELTRA_CONNECT_FEATURE_NOT_SUPPORTED_SNACKBAR</source>
        <translation>Functie niet beschikbaar in Veltra Connect</translation>
    </message>
    <message>
        <source>BATTERY_STATUS_CHARGING</source>
        <translation>Bezig met opladen</translation>
    </message>
    <message>
        <source>BATTERY_STATUS_REMAINING_PERCENTAGE</source>
        <translation>%1% resterend</translation>
    </message>
    <message>
        <source>BATTERY_STATUS_REMAINING_VOLTAGE</source>
        <translation>%1 V</translation>
    </message>
    <message>
        <source>NETWORKSTATE_CONNECTED</source>
        <translation>Verbonden</translation>
    </message>
    <message>
        <source>NETWORKSTATE_DISCONNECTED</source>
        <translation>Niet verbonden</translation>
    </message>
    <message>
        <source>NETWORK_STATUS_WIFI_BROADCASTING</source>
        <translation>Uitzenden</translation>
    </message>
    <message>
        <source>NETWORK_STATUS_WIFI_BROADCASTING_ETHERNET_BRIDGE</source>
        <translation>Uitzenden - E-brug</translation>
    </message>
    <message>
        <source>NETWORK_STATUS_WIFI_JOINED_TO</source>
        <translation>Verbonden met %1</translation>
    </message>
    <message>
        <source>NETWORK_STATUS_WIFI_NOT_JOINED</source>
        <translation>Niet verbonden met netwerk</translation>
    </message>
    <message>
        <source>NETWORKMODE_NONE</source>
        <translation>Netwerk uitgeschakeld</translation>
    </message>
    <message>
        <source>BLUETOOTH_ENABLED</source>
        <translation>Ingeschakeld</translation>
    </message>
    <message>
        <source>BLUETOOTH_ENABLED_SUB_TEXT</source>
        <translation>Nu zichtbaar voor mobiele ZEL-apps. Koppelen niet nodig.</translation>
    </message>
    <message>
        <source>BLUETOOTH_DISABLED</source>
        <translation>Uitgeschakeld</translation>
    </message>
    <message>
        <source>BLUETOOTH_DISABLED_SUB_TEXT</source>
        <translation>Niet zichtbaar</translation>
    </message>
    <message>
        <source>STATUS_CENTER_LAST_CALIBRATED_DATE</source>
        <translation>Laatst gekalibreerd op %1</translation>
    </message>
</context>
<context>
    <name>ZelDialog</name>
    <message>
        <source>DIALOG_POS_BTN_DEFAULT</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>DIALOG_NEG_BTN_DEFAULT</source>
        <translation>Annuleren</translation>
    </message>
</context>
<context>
    <name>VeltraAppErrorPage</name>
    <message>
        <source>APP_ERROR_PAGE_HEADING</source>
        <translation>Deze app kon niet worden gestart.</translation>
    </message>
    <message>
        <source>APP_ERROR_PAGE_HOME</source>
        <translation>Beginscherm</translation>
    </message>
</context>
</TS>
