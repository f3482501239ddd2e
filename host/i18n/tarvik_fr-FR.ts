<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>AppManager</name>
    <message>
        <source>GAUGE_APP_TITLE</source>
        <translation>Manomètre</translation>
    </message>
    <message>
        <source>UPDATES_APP_TITLE</source>
        <translation>Mises à jour</translation>
    </message>
    <message>
        <source>SETTINGS_APP_TITLE</source>
        <translation>Paramètres</translation>
    </message>
    <message>
        <source>POWER_APP_TITLE</source>
        <translation>Éteindre</translation>
    </message>
    <message>
        <source>LUMVAR_APP_TITLE</source>
        <translation>Lumvar</translation>
    </message>
</context>
</TS>
