<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>AppTitle</name>
    <message>
        <source>com.ostrelle.veltra.Home</source>
        <extracomment>The app&apos;s title in the launcher; the record says &quot;Home&quot;.</extracomment>
        <translation>Accueil</translation>
    </message>
</context>
<context>
    <name>HomeApp</name>
    <message>
        <source>HOME_APP_TITLE</source>
        <translation>Accueil</translation>
    </message>
    <message>
        <source>HOME_NO_APPS</source>
        <translation>Aucune application installée</translation>
    </message>
</context>
</TS>
