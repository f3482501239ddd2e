<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_BE">
<context>
    <name>AppManager</name>
    <message>
        <source>GAUGE_APP_TITLE</source>
        <translation>Gauge</translation>
    </message>
    <message>
        <source>UPDATES_APP_TITLE</source>
        <translation>Updates</translation>
    </message>
    <message>
        <source>SETTINGS_APP_TITLE</source>
        <translation>Settings</translation>
    </message>
    <message>
        <source>POWER_APP_TITLE</source>
        <translation>Power Off</translation>
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
        <translation>Invalid</translation>
    </message>
</context>
<context>
    <name>NumberInputDialog</name>
    <message>
        <source>INPUT_INVALID</source>
        <translation>Invalid</translation>
    </message>
</context>
<context>
    <name>TapLabels</name>
    <message>
        <source>TAP_LABEL_INPUT</source>
        <translation>Input</translation>
    </message>
    <message>
        <source>TAP_LABEL_REFERENCE_ABBREV</source>
        <translation>Ref</translation>
    </message>
    <message>
        <source>TAP_LABEL_REFERENCE</source>
        <translation>Reference</translation>
    </message>
    <message>
        <source>TAP_LABEL_NONE</source>
        <translation>None</translation>
    </message>
    <message>
        <source>TAP_LABEL_BUILDING</source>
        <translation>Building</translation>
    </message>
    <message>
        <source>TAP_LABEL_DUCT</source>
        <translation>Duct</translation>
    </message>
    <message>
        <source>TAP_LABEL_ENCLOSURE</source>
        <translation>Enclosure</translation>
    </message>
    <message>
        <source>TAP_LABEL_OUTSIDE</source>
        <translation>Outside</translation>
    </message>
    <message>
        <source>TAP_LABEL_T4_FAN</source>
        <translation>T4 Fan</translation>
    </message>
    <message>
        <source>TAP_LABEL_T3_FAN</source>
        <translation>T3 110 Fan</translation>
    </message>
    <message>
        <source>TAP_LABEL_T3_220_FAN</source>
        <translation>T3 220 Fan</translation>
    </message>
    <message>
        <source>TAP_LABEL_WX_FAN</source>
        <translation>WX Fan</translation>
    </message>
    <message>
        <source>TAP_LABEL_NSM_RED</source>
        <translation>NSM Red</translation>
    </message>
    <message>
        <source>TAP_LABEL_FLOW_BOX</source>
        <translation>Flow Box</translation>
    </message>
    <message>
        <source>TAP_LABEL_FAN_REF</source>
        <translation>Fan Ref</translation>
    </message>
    <message>
        <source>TAP_LABEL_ROUND_TRANS</source>
        <translation>Rnd Trans</translation>
    </message>
    <message>
        <source>TAP_LABEL_NSM_BLUE</source>
        <translation>NSM Blue</translation>
    </message>
    <message>
        <source>TAP_LABEL_PA_RED</source>
        <translation>PA Red</translation>
    </message>
    <message>
        <source>TAP_LABEL_PA_GREEN</source>
        <translation>PA Green</translation>
    </message>
</context>
<context>
    <name>VeltraRootApp</name>
    <message>
        <source>APP_ERROR_NO_QML</source>
        <translation>The app&apos;s record names no main QML file.</translation>
    </message>
    <message>
        <source>APP_ERROR_NOT_AN_APP</source>
        <translation>The root of %1 is not a VeltraApp.</translation>
    </message>
    <message>
        <source>APP_ERROR_NOT_CREATED</source>
        <translation>%1 could not be created; the log says why.</translation>
    </message>
    <message>
        <source>APP_LAUNCHING_SNACKBAR</source>
        <translation>Launching %1…</translation>
    </message>
    <message>
        <source>AUTO_OFF_DIALOG_TITLE</source>
        <translation>Auto Off</translation>
    </message>
    <message>
        <source>AUTO_OFF_DIALOG_MSG</source>
        <translation>The device will auto power off in less than 60 seconds. Tap anywhere on the screen to prevent shutdown.</translation>
    </message>
    <message>
        <source>VELTRA_CONNECT_FEATURE_NOT_SUPPORTED_SNACKBAR</source>
        <translation>Feature not available in Veltra Connect</translation>
    </message>
    <message>
        <source>BATTERY_STATUS_CHARGING</source>
        <translation>Charging</translation>
    </message>
    <message>
        <source>BATTERY_STATUS_REMAINING_PERCENTAGE</source>
        <translation>%1% remaining</translation>
    </message>
    <message>
        <source>BATTERY_STATUS_REMAINING_VOLTAGE</source>
        <translation>%1 V</translation>
    </message>
    <message>
        <source>NETWORKSTATE_CONNECTED</source>
        <translation>Connected</translation>
    </message>
    <message>
        <source>NETWORKSTATE_DISCONNECTED</source>
        <translation>Not Connected</translation>
    </message>
    <message>
        <source>NETWORK_STATUS_WIFI_BROADCASTING</source>
        <translation>Broadcasting</translation>
    </message>
    <message>
        <source>NETWORK_STATUS_WIFI_BROADCASTING_ETHERNET_BRIDGE</source>
        <translation>Broadcasting - E Bridge</translation>
    </message>
    <message>
        <source>NETWORK_STATUS_WIFI_JOINED_TO</source>
        <translation>Joined to %1</translation>
    </message>
    <message>
        <source>NETWORK_STATUS_WIFI_NOT_JOINED</source>
        <translation>Not Joined</translation>
    </message>
    <message>
        <source>NETWORKMODE_NONE</source>
        <translation>Networking Disabled</translation>
    </message>
    <message>
        <source>BLUETOOTH_ENABLED</source>
        <translation>Enabled</translation>
    </message>
    <message>
        <source>BLUETOOTH_ENABLED_SUB_TEXT</source>
        <translation>Now discoverable by ZEL mobile apps. Pairing not required.</translation>
    </message>
    <message>
        <source>BLUETOOTH_DISABLED</source>
        <translation>Disabled</translation>
    </message>
    <message>
        <source>BLUETOOTH_DISABLED_SUB_TEXT</source>
        <translation>Not discoverable</translation>
    </message>
    <message>
        <source>STATUS_CENTER_LAST_CALIBRATED_DATE</source>
        <translation>Last calibrated %1</translation>
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
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>VeltraAppErrorPage</name>
    <message>
        <source>APP_ERROR_PAGE_HEADING</source>
        <translation>This app could not be started.</translation>
    </message>
    <message>
        <source>APP_ERROR_PAGE_HOME</source>
        <translation>Home</translation>
    </message>
</context>
</TS>
