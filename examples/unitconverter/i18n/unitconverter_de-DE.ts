<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>AppTitle</name>
    <message>
        <source>com.example.veltra.UnitConverter</source>
        <extracomment>The app&apos;s title in the launcher; the record says &quot;Unit Converter&quot;.</extracomment>
        <translation>Einheitenrechner</translation>
    </message>
</context>
<context>
    <name>UnitConverterApp</name>
    <message>
        <source>UNITCONVERTER_TITLE</source>
        <translation>Einheitenrechner</translation>
    </message>
    <message>
        <source>UNITCONVERTER_VALUE_SET</source>
        <translation>Wert übernommen</translation>
    </message>
    <message>
        <source>UNITCONVERTER_ENTER_VALUE</source>
        <translation>Wert eingeben</translation>
    </message>
    <message>
        <source>UNITCONVERTER_SHOW_ON_GAUGE</source>
        <translation>Auf dem Manometer zeigen</translation>
    </message>
</context>
</TS>
