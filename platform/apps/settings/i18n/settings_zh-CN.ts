<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>SettingsApp</name>
    <message>
        <source>SETTINGS_APP_TITLE</source>
        <translation>设置</translation>
    </message>
    <message>
        <source>SETTINGS_GAUGE_SECTION</source>
        <translation>压力计</translation>
    </message>
    <message>
        <source>SETTINGS_MODEL</source>
        <translation>型号</translation>
    </message>
    <message>
        <source>SETTINGS_SERIAL_NUMBER</source>
        <translation>序列号</translation>
    </message>
    <message>
        <source>SETTINGS_CALIBRATION_DATE</source>
        <translation>校准日期</translation>
    </message>
    <message>
        <source>SETTINGS_SOFTWARE_VERSION</source>
        <translation>软件版本</translation>
    </message>
    <message>
        <source>SETTINGS_LANGUAGE_SECTION</source>
        <translation>语言</translation>
    </message>
</context>
</TS>
