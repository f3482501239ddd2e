<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>AppTitle</name>
    <message>
        <source>com.ostrelle.veltra.Home</source>
        <extracomment>The app&apos;s title in the launcher; the record says &quot;Home&quot;.</extracomment>
        <translation>Startseite</translation>
    </message>
</context>
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
