<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>AppManager</name>
    <message>
        <source>GAUGE_APP_TITLE</source>
        <translation>Messgerät</translation>
    </message>
    <message>
        <source>UPDATES_APP_TITLE</source>
        <translation>Aktualisierungen</translation>
    </message>
    <message>
        <source>SETTINGS_APP_TITLE</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>POWER_APP_TITLE</source>
        <translation>Ausschalten</translation>
    </message>
    <message>
        <source>LUMVAR_APP_TITLE</source>
        <translation>Lumvar</translation>
    </message>
</context>
</TS>
