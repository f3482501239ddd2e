<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name>AppTitle</name>
    <message>
        <source>com.example.veltra.UnitConverter</source>
        <extracomment>The app&apos;s title in the launcher; the record says &quot;Unit Converter&quot;.</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>UnitConverterApp</name>
    <message>
        <source>UNITCONVERTER_TITLE</source>
        <translation>Unit Converter</translation>
    </message>
    <message>
        <source>UNITCONVERTER_VALUE_SET</source>
        <translation>Value set</translation>
    </message>
    <message>
        <source>UNITCONVERTER_ENTER_VALUE</source>
        <translation>Enter value</translation>
    </message>
    <message>
        <source>UNITCONVERTER_SHOW_ON_GAUGE</source>
        <translation>Show on gauge</translation>
    </message>
</context>
</TS>
