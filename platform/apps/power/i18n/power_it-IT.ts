<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it_IT">
<context>
    <name>PowerApp</name>
    <message>
        <source>POWER_APP_TITLE</source>
        <translation>Spegni</translation>
    </message>
    <message>
        <source>POWER_DIALOG_TITLE</source>
        <translation>Spegnere?</translation>
    </message>
    <message>
        <source>POWER_DIALOG_MSG</source>
        <translation>Il manometro verrà spento. Le letture non salvate andranno perse.</translation>
    </message>
    <message>
        <source>POWER_DIALOG_CONFIRM</source>
        <translation>Spegni</translation>
    </message>
    <message>
        <source>POWER_DIALOG_CANCEL</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>POWER_PAGE_HINT</source>
        <translation>Conferma per spegnere il manometro</translation>
    </message>
    <message>
        <source>POWER_SHUTTING_DOWN</source>
        <translation>Spegnimento in corso…</translation>
    </message>
</context>
</TS>
