<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name>SorvelApp</name>
    <message>
        <source>SORVEL_APP_TITLE</source>
        <translation>Sorvel</translation>
    </message>
    <message>
        <source>SORVEL_PAGE_TITLE</source>
        <translation>Sorvel</translation>
    </message>
    <message>
        <source>HOME_ACTION_NAME</source>
        <translation>Home</translation>
    </message>
</context>
</TS>
