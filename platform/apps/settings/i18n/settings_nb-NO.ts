<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nb_NO">
<context>
    <name>SettingsApp</name>
    <message>
        <source>SETTINGS_APP_TITLE</source>
        <translation>Innstillinger</translation>
    </message>
    <message>
        <source>SETTINGS_GAUGE_SECTION</source>
        <translation>Manometer</translation>
    </message>
    <message>
        <source>SETTINGS_MODEL</source>
        <translation>Modell</translation>
    </message>
    <message>
        <source>SETTINGS_SERIAL_NUMBER</source>
        <translation>Serienummer</translation>
    </message>
    <message>
        <source>SETTINGS_CALIBRATION_DATE</source>
        <translation>Kalibrert</translation>
    </message>
    <message>
        <source>SETTINGS_SOFTWARE_VERSION</source>
        <translation>Programvare</translation>
    </message>
    <message>
        <source>SETTINGS_LANGUAGE_SECTION</source>
        <translation>Språk</translation>
    </message>
    <message>
        <source>SETTINGS_LANGUAGE_NEXT_START</source>
        <translation>Gjelder fra neste oppstart</translation>
    </message>
    <message>
        <source>SETTINGS_LANGUAGE_NOT_SAVED</source>
        <translation>Kunne ikke lagres</translation>
    </message>
    <message>
        <source>HOME_ACTION_NAME</source>
        <translation>Hjem</translation>
    </message>
</context>
</TS>
