<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>PowerApp</name>
    <message>
        <source>POWER_APP_TITLE</source>
        <translation>关机</translation>
    </message>
    <message>
        <source>POWER_DIALOG_TITLE</source>
        <translation>关机？</translation>
    </message>
    <message>
        <source>POWER_DIALOG_MSG</source>
        <translation>压力计将关机。未保存的读数将丢失。</translation>
    </message>
    <message>
        <source>POWER_DIALOG_CONFIRM</source>
        <translation>关机</translation>
    </message>
    <message>
        <source>POWER_DIALOG_CANCEL</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>POWER_PAGE_HINT</source>
        <translation>确认后压力计将关机</translation>
    </message>
    <message>
        <source>POWER_SHUTTING_DOWN</source>
        <translation>正在关机…</translation>
    </message>
</context>
</TS>
