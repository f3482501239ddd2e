<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it_IT">
<context>
    <name>AppManager</name>
    <message>
        <source>GAUGE_APP_TITLE</source>
        <translation>Manometro</translation>
    </message>
    <message>
        <source>UPDATES_APP_TITLE</source>
        <translation>Aggiornamenti</translation>
    </message>
    <message>
        <source>SETTINGS_APP_TITLE</source>
        <translation>Impostazioni</translation>
    </message>
    <message>
        <source>POWER_APP_TITLE</source>
        <translation>Spegni</translation>
    </message>
    <message>
        <source>LUMVAR_APP_TITLE</source>
        <translation>Lumvar</translation>
    </message>
</context>
</TS>
