<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>PowerApp</name>
    <message>
        <source>POWER_APP_TITLE</source>
        <translation>Desligar</translation>
    </message>
    <message>
        <source>POWER_DIALOG_TITLE</source>
        <translation>Desligar?</translation>
    </message>
    <message>
        <source>POWER_DIALOG_MSG</source>
        <translation>O manômetro será desligado. As leituras não salvas serão perdidas.</translation>
    </message>
    <message>
        <source>POWER_DIALOG_CONFIRM</source>
        <translation>Desligar</translation>
    </message>
    <message>
        <source>POWER_DIALOG_CANCEL</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>POWER_PAGE_HINT</source>
        <translation>Confirme para desligar o manômetro</translation>
    </message>
    <message>
        <source>POWER_SHUTTING_DOWN</source>
        <translation>Desligando…</translation>
    </message>
</context>
</TS>
