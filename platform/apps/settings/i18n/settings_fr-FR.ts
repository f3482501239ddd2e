<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>SettingsApp</name>
    <message>
        <source>SETTINGS_APP_TITLE</source>
        <translation>Paramètres</translation>
    </message>
    <message>
        <source>SETTINGS_GAUGE_SECTION</source>
        <translation>Manomètre</translation>
    </message>
    <message>
        <source>SETTINGS_MODEL</source>
        <translation>Modèle</translation>
    </message>
    <message>
        <source>SETTINGS_SERIAL_NUMBER</source>
        <translation>Numéro de série</translation>
    </message>
    <message>
        <source>SETTINGS_CALIBRATION_DATE</source>
        <translation>Étalonné le</translation>
    </message>
    <message>
        <source>SETTINGS_SOFTWARE_VERSION</source>
        <translation>Logiciel</translation>
    </message>
    <message>
        <source>SETTINGS_LANGUAGE_SECTION</source>
        <translation>Langue</translation>
    </message>
    <message>
        <source>SETTINGS_LANGUAGE_NEXT_START</source>
        <translation>Appliqué au prochain démarrage</translation>
    </message>
    <message>
        <source>SETTINGS_LANGUAGE_NOT_SAVED</source>
        <translation>Impossible d’enregistrer</translation>
    </message>
    <message>
        <source>HOME_ACTION_NAME</source>
        <translation>Accueil</translation>
    </message>
</context>
</TS>
