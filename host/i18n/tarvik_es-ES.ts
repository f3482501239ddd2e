<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>AppManager</name>
    <message>
        <source>GAUGE_APP_TITLE</source>
        <translation>Manómetro</translation>
    </message>
    <message>
        <source>UPDATES_APP_TITLE</source>
        <translation>Actualizaciones</translation>
    </message>
    <message>
        <source>SETTINGS_APP_TITLE</source>
        <translation>Ajustes</translation>
    </message>
    <message>
        <source>POWER_APP_TITLE</source>
        <translation>Apagar</translation>
    </message>
    <message>
        <source>LUMVAR_APP_TITLE</source>
        <translation>Lumvar</translation>
    </message>
</context>
</TS>
