<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_GB">
<context>
    <name>AppTitle</name>
    <message>
        <source>com.ostrelle.veltra.Home</source>
        <extracomment>The app&apos;s title in the launcher; the record says &quot;Home&quot;.</extracomment>
        <translation>Home</translation>
    </message>
</context>
<context>
    <name>HomeApp</name>
    <message>
        <source>HOME_APP_TITLE</source>
        <translation>Home</translation>
    </message>
    <message>
        <source>HOME_NO_APPS</source>
        <translation>No apps installed</translation>
    </message>
</context>
</TS>
