<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl_NL">
<context>
    <name>PowerApp</name>
    <message>
        <source>POWER_APP_TITLE</source>
        <translation>Uitschakelen</translation>
    </message>
    <message>
        <source>POWER_DIALOG_TITLE</source>
        <translation>Uitschakelen?</translation>
    </message>
    <message>
        <source>POWER_DIALOG_MSG</source>
        <translation>De manometer wordt uitgeschakeld. Niet-opgeslagen metingen gaan verloren.</translation>
    </message>
    <message>
        <source>POWER_DIALOG_CONFIRM</source>
        <translation>Uitschakelen</translation>
    </message>
    <message>
        <source>POWER_DIALOG_CANCEL</source>
        <translation>Annuleren</translation>
    </message>
    <message>
        <source>POWER_PAGE_HINT</source>
        <translation>Bevestig om de manometer uit te schakelen</translation>
    </message>
    <message>
        <source>POWER_SHUTTING_DOWN</source>
        <translation>Wordt uitgeschakeld…</translation>
    </message>
</context>
</TS>
