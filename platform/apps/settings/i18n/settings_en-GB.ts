<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_GB">
<context>
    <name>SettingsApp</name>
    <message>
        <source>SETTINGS_APP_TITLE</source>
        <translation>Settings</translation>
    </message>
    <message>
        <source>SETTINGS_GAUGE_SECTION</source>
        <translation>Gauge</translation>
    </message>
    <message>
        <source>SETTINGS_MODEL</source>
        <translation>Model</translation>
    </message>
    <message>
        <source>SETTINGS_SERIAL_NUMBER</source>
        <translation>Serial number</translation>
    </message>
    <message>
        <source>SETTINGS_CALIBRATION_DATE</source>
        <translation>Calibrated</translation>
    </message>
    <message>
        <source>SETTINGS_SOFTWARE_VERSION</source>
        <translation>Software</translation>
    </message>
    <message>
        <source>SETTINGS_LANGUAGE_SECTION</source>
        <translation>Language</translation>
    </message>
    <message>
        <source>SETTINGS_LANGUAGE_NEXT_START</source>
        <translation>Takes effect at the next start</translation>
    </message>
    <message>
        <source>SETTINGS_LANGUAGE_NOT_SAVED</source>
        <translation>Could not be saved</translation>
    </message>
    <message>
        <source>HOME_ACTION_NAME</source>
        <translation>Home</translation>
    </message>
</context>
</TS>
