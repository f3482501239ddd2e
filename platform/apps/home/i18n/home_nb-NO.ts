<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nb_NO">
<context>
    <name>HomeApp</name>
    <message>
        <source>HOME_APP_TITLE</source>
        <translation>Hjem</translation>
    </message>
    <message>
        <source>HOME_NO_APPS</source>
        <translation>Ingen apper installert</translation>
    </message>
</context>
</TS>
