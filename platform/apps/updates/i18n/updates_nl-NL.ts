<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl_NL">
<context>
    <name>UpdatesApp</name>
    <message>
        <source>UPDATES_APP_TITLE</source>
        <translation>Updates</translation>
    </message>
    <message>
        <source>UPDATES_CHECK_ACTION</source>
        <translation>Zoeken naar updates</translation>
    </message>
    <message>
        <source>UPDATES_NO_UPDATES_SNACKBAR</source>
        <translation>Geen updates beschikbaar</translation>
    </message>
    <message>
        <source>UPDATES_UP_TO_DATE</source>
        <translation>Uw manometer is bijgewerkt</translation>
    </message>
    <message>
        <source>UPDATES_SOFTWARE_VERSION</source>
        <translation>Softwareversie %1</translation>
    </message>
    <message>
        <source>UPDATES_LAST_CHECKED</source>
        <translation>Laatst gecontroleerd om %1</translation>
    </message>
    <message>
        <source>UPDATES_INSTALLED_APPS</source>
        <translation>Geïnstalleerde apps</translation>
    </message>
    <message>
        <source>HOME_ACTION_NAME</source>
        <translation>Beginscherm</translation>
    </message>
</context>
</TS>
