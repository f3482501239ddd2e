<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>SettingsApp</name>
    <message>
        <source>SETTINGS_APP_TITLE</source>
        <translation>Ajustes</translation>
    </message>
    <message>
        <source>SETTINGS_GAUGE_SECTION</source>
        <translation>Manómetro</translation>
    </message>
    <message>
        <source>SETTINGS_MODEL</source>
        <translation>Modelo</translation>
    </message>
    <message>
        <source>SETTINGS_SERIAL_NUMBER</source>
        <translation>Número de serie</translation>
    </message>
    <message>
        <source>SETTINGS_CALIBRATION_DATE</source>
        <translation>Calibrado</translation>
    </message>
    <message>
        <source>SETTINGS_SOFTWARE_VERSION</source>
        <translation>Software</translation>
    </message>
    <message>
        <source>SETTINGS_LANGUAGE_SECTION</source>
        <translation>Idioma</translation>
    </message>
    <message>
        <source>SETTINGS_LANGUAGE_NEXT_START</source>
        <translation>Se aplica en el próximo arranque</translation>
    </message>
    <message>
        <source>SETTINGS_LANGUAGE_NOT_SAVED</source>
        <translation>No se pudo guardar</translation>
    </message>
    <message>
        <source>HOME_ACTION_NAME</source>
        <translation>Inicio</translation>
    </message>
</context>
</TS>
