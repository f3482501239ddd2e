<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>PowerApp</name>
    <message>
        <source>POWER_APP_TITLE</source>
        <translation>Apagar</translation>
    </message>
    <message>
        <source>POWER_DIALOG_TITLE</source>
        <translation>¿Apagar?</translation>
    </message>
    <message>
        <source>POWER_DIALOG_MSG</source>
        <translation>El manómetro se apagará. Las lecturas no guardadas se perderán.</translation>
    </message>
    <message>
        <source>POWER_DIALOG_CONFIRM</source>
        <translation>Apagar</translation>
    </message>
    <message>
        <source>POWER_DIALOG_CANCEL</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>POWER_PAGE_HINT</source>
        <translation>Confirme para apagar el manómetro</translation>
    </message>
    <message>
        <source>POWER_SHUTTING_DOWN</source>
        <translation>Apagando…</translation>
    </message>
</context>
</TS>
