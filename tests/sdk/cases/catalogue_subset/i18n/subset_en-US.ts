<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name>SubsetApp</name>
    <message>
        <source>SUBSET_GREETING</source>
        <translation>Good day</translation>
    </message>
</context>
</TS>
