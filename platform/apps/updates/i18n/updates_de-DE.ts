<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>UpdatesApp</name>
    <message>
        <source>UPDATES_APP_TITLE</source>
        <translation>Aktualisierungen</translation>
    </message>
    <message>
        <source>UPDATES_CHECK_ACTION</source>
        <translation>Nach Aktualisierungen suchen</translation>
    </message>
    <message>
        <source>UPDATES_NO_UPDATES_SNACKBAR</source>
        <translation>Keine Aktualisierungen verfügbar</translation>
    </message>
    <message>
        <source>UPDATES_UP_TO_DATE</source>
        <translation>Ihr Manometer ist auf dem neuesten Stand</translation>
    </message>
    <message>
        <source>UPDATES_SOFTWARE_VERSION</source>
        <translation>Softwareversion %1</translation>
    </message>
    <message>
        <source>UPDATES_LAST_CHECKED</source>
        <translation>Zuletzt geprüft um %1</translation>
    </message>
    <message>
        <source>UPDATES_INSTALLED_APPS</source>
        <translation>Installierte Apps</translation>
    </message>
    <message>
        <source>HOME_ACTION_NAME</source>
        <translation>Startseite</translation>
    </message>
</context>
</TS>
