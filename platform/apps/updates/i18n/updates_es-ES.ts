<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>UpdatesApp</name>
    <message>
        <source>UPDATES_APP_TITLE</source>
        <translation>Actualizaciones</translation>
    </message>
    <message>
        <source>UPDATES_CHECK_ACTION</source>
        <translation>Buscar actualizaciones</translation>
    </message>
    <message>
        <source>UPDATES_NO_UPDATES_SNACKBAR</source>
        <translation>No hay actualizaciones disponibles</translation>
    </message>
    <message>
        <source>UPDATES_UP_TO_DATE</source>
        <translation>Su manómetro está actualizado</translation>
    </message>
    <message>
        <source>UPDATES_SOFTWARE_VERSION</source>
        <translation>Versión de software %1</translation>
    </message>
    <message>
        <source>UPDATES_LAST_CHECKED</source>
        <translation>Última comprobación a las %1</translation>
    </message>
    <message>
        <source>UPDATES_INSTALLED_APPS</source>
        <translation>Aplicaciones instaladas</translation>
    </message>
    <message>
        <source>HOME_ACTION_NAME</source>
        <translation>Inicio</translation>
    </message>
</context>
</TS>
