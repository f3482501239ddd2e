<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
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
</TS>
