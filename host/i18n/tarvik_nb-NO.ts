<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nb_NO">
<context>
    <name>AppManager</name>
    <message>
        <source>GAUGE_APP_TITLE</source>
        <translation>Manometer</translation>
    </message>
    <message>
        <source>UPDATES_APP_TITLE</source>
        <translation>Oppdateringer</translation>
    </message>
    <message>
        <source>SETTINGS_APP_TITLE</source>
        <translation>Innstillinger</translation>
    </message>
    <message>
        <source>POWER_APP_TITLE</source>
        <translation>Slå av</translation>
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
        <translation>Ugyldig</translation>
    </message>
</context>
<context>
    <name>NumberInputDialog</name>
    <message>
        <source>INPUT_INVALID</source>
        <translation>Ugyldig</translation>
    </message>
</context>
<context>
    <name>TapLabels</name>
    <message>
        <source>TAP_LABEL_INPUT</source>
        <translation>Inngang</translation>
    </message>
    <message>
        <source>TAP_LABEL_REFERENCE_ABBREV</source>
        <translation>Ref</translation>
    </message>
    <message>
        <source>TAP_LABEL_REFERENCE</source>
        <translation>Referanse</translation>
    </message>
    <message>
        <source>TAP_LABEL_NONE</source>
        <translation>Ingen</translation>
    </message>
    <message>
        <source>TAP_LABEL_BUILDING</source>
        <translation>Bygning</translation>
    </message>
    <message>
        <source>TAP_LABEL_DUCT</source>
        <translation>Luftkanal</translation>
    </message>
    <message>
        <source>TAP_LABEL_ENCLOSURE</source>
        <translation>Testrom</translation>
    </message>
    <message>
        <source>TAP_LABEL_OUTSIDE</source>
        <translation>Ute</translation>
    </message>
    <message>
        <source>TAP_LABEL_T4_FAN</source>
        <translation>T4-vifte</translation>
    </message>
    <message>
        <source>TAP_LABEL_T3_FAN</source>
        <translation>T3-vifte</translation>
    </message>
    <message>
        <source>TAP_LABEL_T3_220_FAN</source>
        <translation>T3 220-vifte</translation>
    </message>
    <message>
        <source>TAP_LABEL_WX_FAN</source>
        <translation>WX-vifte</translation>
    </message>
    <message>
        <source>TAP_LABEL_NSM_RED</source>
        <translation>NSM rød</translation>
    </message>
    <message>
        <source>TAP_LABEL_FLOW_BOX</source>
        <translation>Måleboks</translation>
    </message>
    <message>
        <source>TAP_LABEL_FAN_REF</source>
        <translation>Vifte-ref</translation>
    </message>
    <message>
        <source>TAP_LABEL_ROUND_TRANS</source>
        <translation>Rund overg.</translation>
    </message>
    <message>
        <source>TAP_LABEL_NSM_BLUE</source>
        <translation>NSM blå</translation>
    </message>
    <message>
        <source>TAP_LABEL_PA_RED</source>
        <translation>PA rød</translation>
    </message>
    <message>
        <source>TAP_LABEL_PA_GREEN</source>
        <translation>PA grønn</translation>
    </message>
</context>
<context>
    <name>VeltraRootApp</name>
    <message>
        <source>APP_ERROR_NO_QML</source>
        <translation>Appens oppføring oppgir ingen QML-hovedfil.</translation>
    </message>
    <message>
        <source>APP_ERROR_NOT_AN_APP</source>
        <translation>Roten i %1 er ikke en VeltraApp.</translation>
    </message>
    <message>
        <source>APP_ERROR_NOT_CREATED</source>
        <translation>%1 kunne ikke opprettes; loggen sier hvorfor.</translation>
    </message>
    <message>
        <source>APP_LAUNCHING_SNACKBAR</source>
        <translation>Starter %1…</translation>
    </message>
    <message>
        <source>AUTO_OFF_DIALOG_TITLE</source>
        <translation>Automatisk avslåing</translation>
    </message>
    <message>
        <source>AUTO_OFF_DIALOG_MSG</source>
        <translation>Enheten slår seg automatisk av om mindre enn 60 sekunder. Trykk hvor som helst på skjermen for å hindre avslåing.</translation>
    </message>
    <message>
        <source>VELTRA_CONNECT_FEATURE_NOT_SUPPORTED_SNACKBAR</source>
        <translation>Funksjonen er ikke tilgjengelig i Veltra Connect</translation>
    </message>
    <message>
        <source>BATTERY_STATUS_CHARGING</source>
        <translation>Lader</translation>
    </message>
    <message>
        <source>BATTERY_STATUS_REMAINING_PERCENTAGE</source>
        <translation>%1 % gjenstår</translation>
    </message>
    <message>
        <source>BATTERY_STATUS_REMAINING_VOLTAGE</source>
        <translation>%1 V</translation>
    </message>
    <message>
        <source>NETWORKSTATE_CONNECTED</source>
        <translation>Tilkoblet</translation>
    </message>
    <message>
        <source>NETWORKSTATE_DISCONNECTED</source>
        <translation>Ikke tilkoblet</translation>
    </message>
    <message>
        <source>NETWORK_STATUS_WIFI_BROADCASTING</source>
        <translation>Sender</translation>
    </message>
    <message>
        <source>NETWORK_STATUS_WIFI_BROADCASTING_ETHERNET_BRIDGE</source>
        <translation>Sender - E-bro</translation>
    </message>
    <message>
        <source>NETWORK_STATUS_WIFI_JOINED_TO</source>
        <translation>Koblet til %1</translation>
    </message>
    <message>
        <source>NETWORK_STATUS_WIFI_NOT_JOINED</source>
        <translation>Ikke koblet til</translation>
    </message>
    <message>
        <source>NETWORKMODE_NONE</source>
        <translation>Nettverk deaktivert</translation>
    </message>
    <message>
        <source>BLUETOOTH_ENABLED</source>
        <translation>Aktivert</translation>
    </message>
    <message>
        <source>BLUETOOTH_ENABLED_SUB_TEXT</source>
        <translation>Nå synlig for ZEL-mobilapper. Sammenkobling er ikke nødvendig.</translation>
    </message>
    <message>
        <source>BLUETOOTH_DISABLED</source>
        <translation>Deaktivert</translation>
    </message>
    <message>
        <source>BLUETOOTH_DISABLED_SUB_TEXT</source>
        <translation>Ikke synlig</translation>
    </message>
    <message>
        <source>STATUS_CENTER_LAST_CALIBRATED_DATE</source>
        <translation>Sist kalibrert %1</translation>
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
        <translation>Avbryt</translation>
    </message>
</context>
<context>
    <name>VeltraAppErrorPage</name>
    <message>
        <source>APP_ERROR_PAGE_HEADING</source>
        <translation>Denne appen kunne ikke startes.</translation>
    </message>
    <message>
        <source>APP_ERROR_PAGE_HOME</source>
        <translation>Hjem</translation>
    </message>
</context>
</TS>
