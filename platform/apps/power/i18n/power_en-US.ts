<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name>PowerApp</name>
    <message>
        <source>POWER_APP_TITLE</source>
        <translation>Power Off</translation>
    </message>
    <message>
        <source>POWER_DIALOG_TITLE</source>
        <translation>Power off?</translation>
    </message>
    <message>
        <source>POWER_DIALOG_MSG</source>
        <translation>The gauge will turn off. Unsaved readings are lost.</translation>
    </message>
    <message>
        <source>POWER_DIALOG_CONFIRM</source>
        <translation>Power off</translation>
    </message>
    <message>
        <source>POWER_DIALOG_CANCEL</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>POWER_PAGE_HINT</source>
        <translation>Confirm to turn the gauge off</translation>
    </message>
    <message>
        <source>POWER_SHUTTING_DOWN</source>
        <translation>Shutting down…</translation>
    </message>
</context>
</TS>
