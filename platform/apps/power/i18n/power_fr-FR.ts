<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>PowerApp</name>
    <message>
        <source>POWER_APP_TITLE</source>
        <translation>Éteindre</translation>
    </message>
    <message>
        <source>POWER_DIALOG_TITLE</source>
        <translation>Éteindre ?</translation>
    </message>
    <message>
        <source>POWER_DIALOG_MSG</source>
        <translation>Le manomètre va s’éteindre. Les mesures non enregistrées seront perdues.</translation>
    </message>
    <message>
        <source>POWER_DIALOG_CONFIRM</source>
        <translation>Éteindre</translation>
    </message>
    <message>
        <source>POWER_DIALOG_CANCEL</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>POWER_PAGE_HINT</source>
        <translation>Confirmez pour éteindre le manomètre</translation>
    </message>
    <message>
        <source>POWER_SHUTTING_DOWN</source>
        <translation>Arrêt en cours…</translation>
    </message>
</context>
</TS>
