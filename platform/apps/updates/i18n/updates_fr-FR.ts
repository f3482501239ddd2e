<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>UpdatesApp</name>
    <message>
        <source>UPDATES_APP_TITLE</source>
        <translation>Mises à jour</translation>
    </message>
    <message>
        <source>UPDATES_CHECK_ACTION</source>
        <translation>Rechercher des mises à jour</translation>
    </message>
    <message>
        <source>UPDATES_NO_UPDATES_SNACKBAR</source>
        <translation>Aucune mise à jour disponible</translation>
    </message>
    <message>
        <source>UPDATES_UP_TO_DATE</source>
        <translation>Votre manomètre est à jour</translation>
    </message>
    <message>
        <source>UPDATES_SOFTWARE_VERSION</source>
        <translation>Version du logiciel %1</translation>
    </message>
    <message>
        <source>UPDATES_LAST_CHECKED</source>
        <translation>Dernière vérification à %1</translation>
    </message>
    <message>
        <source>UPDATES_INSTALLED_APPS</source>
        <translation>Applications installées</translation>
    </message>
    <message>
        <source>HOME_ACTION_NAME</source>
        <translation>Accueil</translation>
    </message>
</context>
</TS>
