<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_GB">
<context>
    <name>UpdatesApp</name>
    <message>
        <source>UPDATES_APP_TITLE</source>
        <translation>Updates</translation>
    </message>
    <message>
        <source>UPDATES_CHECK_ACTION</source>
        <translation>Check for updates</translation>
    </message>
    <message>
        <source>UPDATES_NO_UPDATES_SNACKBAR</source>
        <translation>No updates available</translation>
    </message>
    <message>
        <source>UPDATES_UP_TO_DATE</source>
        <translation>Your gauge is up to date</translation>
    </message>
    <message>
        <source>UPDATES_SOFTWARE_VERSION</source>
        <translation>Software version %1</translation>
    </message>
    <message>
        <source>UPDATES_LAST_CHECKED</source>
        <translation>Last checked at %1</translation>
    </message>
    <message>
        <source>UPDATES_INSTALLED_APPS</source>
        <translation>Installed apps</translation>
    </message>
    <message>
        <source>HOME_ACTION_NAME</source>
        <translation>Home</translation>
    </message>
</context>
</TS>
