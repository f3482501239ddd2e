<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nb_NO">
<context>
    <name>AppManager</name>
    <message>
        <source>GAUGE_APP_TITLE</source>
        <translation>Måler</translation>
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
</TS>
