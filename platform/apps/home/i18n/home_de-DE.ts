<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>HomeApp</name>
    <message>
        <source>HOME_APP_TITLE</source>
        <translation>Startseite</translation>
    </message>
    <message>
        <source>HOME_NO_APPS</source>
        <translation>Keine Apps installiert</translation>
    </message>
</context>
</TS>
