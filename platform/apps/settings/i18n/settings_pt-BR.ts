<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>SettingsApp</name>
    <message>
        <source>SETTINGS_APP_TITLE</source>
        <translation>Configurações</translation>
    </message>
    <message>
        <source>SETTINGS_GAUGE_SECTION</source>
        <translation>Manômetro</translation>
    </message>
    <message>
        <source>SETTINGS_MODEL</source>
        <translation>Modelo</translation>
    </message>
    <message>
        <source>SETTINGS_SERIAL_NUMBER</source>
        <translation>Número de série</translation>
    </message>
    <message>
        <source>SETTINGS_CALIBRATION_DATE</source>
        <translation>Calibrado em</translation>
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
        <translation>Vale a partir da próxima inicialização</translation>
    </message>
    <message>
        <source>SETTINGS_LANGUAGE_NOT_SAVED</source>
        <translation>Não foi possível salvar</translation>
    </message>
    <message>
        <source>HOME_ACTION_NAME</source>
        <translation>Início</translation>
    </message>
</context>
</TS>
