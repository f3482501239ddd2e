<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>PowerApp</name>
    <message>
        <source>POWER_APP_TITLE</source>
        <translation>Ausschalten</translation>
    </message>
    <message>
        <source>POWER_DIALOG_TITLE</source>
        <translation>Ausschalten?</translation>
    </message>
    <message>
        <source>POWER_DIALOG_MSG</source>
        <translation>Das Manometer wird ausgeschaltet. Nicht gespeicherte Messwerte gehen verloren.</translation>
    </message>
    <message>
        <source>POWER_DIALOG_CONFIRM</source>
        <translation>Ausschalten</translation>
    </message>
    <message>
        <source>POWER_DIALOG_CANCEL</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>POWER_PAGE_HINT</source>
        <translation>Zum Ausschalten des Manometers bestätigen</translation>
    </message>
    <message>
        <source>POWER_SHUTTING_DOWN</source>
        <translation>Wird ausgeschaltet…</translation>
    </message>
</context>
</TS>
