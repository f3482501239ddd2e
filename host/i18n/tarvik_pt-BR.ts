<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>AppManager</name>
    <message>
        <source>GAUGE_APP_TITLE</source>
        <translation>Medidor</translation>
    </message>
    <message>
        <source>UPDATES_APP_TITLE</source>
        <translation>Atualizações</translation>
    </message>
    <message>
        <source>SETTINGS_APP_TITLE</source>
        <translation>Configurações</translation>
    </message>
    <message>
        <source>POWER_APP_TITLE</source>
        <translation>Desligar</translation>
    </message>
    <message>
        <source>LUMVAR_APP_TITLE</source>
        <translation>Lumvar</translation>
    </message>
</context>
</TS>
