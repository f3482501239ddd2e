<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>AppManager</name>
    <message>
        <source>GAUGE_APP_TITLE</source>
        <translation>压力计</translation>
    </message>
    <message>
        <source>UPDATES_APP_TITLE</source>
        <translation>更新</translation>
    </message>
    <message>
        <source>SETTINGS_APP_TITLE</source>
        <translation>设置</translation>
    </message>
    <message>
        <source>POWER_APP_TITLE</source>
        <translation>关机</translation>
    </message>
    <message>
        <source>LUMVAR_APP_TITLE</source>
        <translation>Lumvar</translation>
    </message>
</context>
</TS>
