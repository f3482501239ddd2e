<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nb_NO">
<context>
    <name>UpdatesApp</name>
    <message>
        <source>UPDATES_APP_TITLE</source>
        <translation>Oppdateringer</translation>
    </message>
    <message>
        <source>UPDATES_CHECK_ACTION</source>
        <translation>Se etter oppdateringer</translation>
    </message>
    <message>
        <source>UPDATES_NO_UPDATES_SNACKBAR</source>
        <translation>Ingen oppdateringer tilgjengelig</translation>
    </message>
    <message>
        <source>UPDATES_UP_TO_DATE</source>
        <translation>Manometeret er oppdatert</translation>
    </message>
    <message>
        <source>UPDATES_SOFTWARE_VERSION</source>
        <translation>Programvareversjon %1</translation>
    </message>
    <message>
        <source>UPDATES_LAST_CHECKED</source>
        <translation>Sist sjekket kl. %1</translation>
    </message>
    <message>
        <source>UPDATES_INSTALLED_APPS</source>
        <translation>Installerte apper</translation>
    </message>
    <message>
        <source>HOME_ACTION_NAME</source>
        <translation>Hjem</translation>
    </message>
</context>
</TS>
