<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nb_NO">
<context>
    <name>PowerApp</name>
    <message>
        <source>POWER_APP_TITLE</source>
        <translation>Slå av</translation>
    </message>
    <message>
        <source>POWER_DIALOG_TITLE</source>
        <translation>Slå av?</translation>
    </message>
    <message>
        <source>POWER_DIALOG_MSG</source>
        <translation>Manometeret slås av. Avlesninger som ikke er lagret, går tapt.</translation>
    </message>
    <message>
        <source>POWER_DIALOG_CONFIRM</source>
        <translation>Slå av</translation>
    </message>
    <message>
        <source>POWER_DIALOG_CANCEL</source>
        <translation>Avbryt</translation>
    </message>
    <message>
        <source>POWER_PAGE_HINT</source>
        <translation>Bekreft for å slå av manometeret</translation>
    </message>
    <message>
        <source>POWER_SHUTTING_DOWN</source>
        <translation>Slår av…</translation>
    </message>
</context>
</TS>
