<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>UpdatesApp</name>
    <message>
        <source>UPDATES_APP_TITLE</source>
        <translation>更新</translation>
    </message>
    <message>
        <source>UPDATES_CHECK_ACTION</source>
        <translation>检查更新</translation>
    </message>
    <message>
        <source>UPDATES_NO_UPDATES_SNACKBAR</source>
        <translation>没有可用的更新</translation>
    </message>
    <message>
        <source>UPDATES_UP_TO_DATE</source>
        <translation>压力计已是最新版本</translation>
    </message>
    <message>
        <source>UPDATES_SOFTWARE_VERSION</source>
        <translation>软件版本 %1</translation>
    </message>
    <message>
        <source>UPDATES_LAST_CHECKED</source>
        <translation>上次检查时间 %1</translation>
    </message>
    <message>
        <source>UPDATES_INSTALLED_APPS</source>
        <translation>已安装的应用</translation>
    </message>
    <message>
        <source>HOME_ACTION_NAME</source>
        <translation>主页</translation>
    </message>
</context>
</TS>
