<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl_NL">
<context>
    <name>DecisionTree</name>
    <message>
        <source>TEST_TYPE_BUILDING_TIGHTNESS</source>
        <translation>Luchtdichtheid gebouw</translation>
    </message>
    <message>
        <source>TEST_TYPE_DUCT_TIGHTNESS</source>
        <translation>Luchtdichtheid luchtkanalen</translation>
    </message>
    <message>
        <source>TEST_TYPE_AIR_HANDLER_FLOW</source>
        <translation>Debiet luchtbehandelingskast</translation>
    </message>
    <message>
        <source>TEST_TYPE_OTHER</source>
        <translation>Andere toepassingen</translation>
    </message>
    <message>
        <source>TEST_DIRECTION_PRESSURIZE</source>
        <translation>Overdruk</translation>
    </message>
    <message>
        <source>TEST_DIRECTION_DEPRESSURIZE</source>
        <translation>Onderdruk</translation>
    </message>
    <message>
        <source>GAUGE_LOCATION_INSIDE_BUILDING</source>
        <translation>In het gebouw</translation>
    </message>
    <message>
        <source>GAUGE_LOCATION_OUTSIDE_BUILDING</source>
        <translation>Buiten het gebouw</translation>
    </message>
    <message>
        <source>FLOWDEVICE_TORNEL_3_FAN</source>
        <translation>Tornel 3 110V-ventilator</translation>
    </message>
    <message>
        <source>FLOWDEVICE_TORNEL_3_220V_FAN</source>
        <translation>Tornel 3 220V-ventilator</translation>
    </message>
    <message>
        <source>FLOWDEVICE_TORNEL_4_FAN</source>
        <translation>Tornel 4 220V-ventilator</translation>
    </message>
    <message>
        <source>FLOWDEVICE_WHIRLEX_B_FAN</source>
        <translation>Whirlex® B-ventilator</translation>
    </message>
    <message>
        <source>FLOWDEVICE_HOODEX_METER</source>
        <translation>Hoodex-meter</translation>
    </message>
    <message>
        <source>FLOWDEVICE_PLENARA_AH_METER</source>
        <translation>Plenara® AH-meter</translation>
    </message>
    <message>
        <source>FLOWDEVICE_NANOSEEP_METER</source>
        <translation>Nanoseep-meter</translation>
    </message>
</context>
<context>
    <name>LumvarApp</name>
    <message>
        <source>LUMVAR_APP_TITLE</source>
        <translation>Lumvar</translation>
    </message>
    <message>
        <source>TEST_TYPE_PAGE_TITLE</source>
        <translation>Kies het testtype</translation>
    </message>
    <message>
        <source>TEST_DIRECTION_PAGE_TITLE</source>
        <translation>Kies de testrichting</translation>
    </message>
    <message>
        <source>GAUGE_LOCATION_PAGE_TITLE</source>
        <translation>Kies de plaats van de manometer</translation>
    </message>
    <message>
        <source>TEST_DEVICE_PAGE_TITLE</source>
        <translation>Kies het testapparaat</translation>
    </message>
    <message>
        <source>TUBING_CONNNECTIONS_PAGE_TITLE</source>
        <translation>Sluit de slangen aan en start</translation>
    </message>
    <message>
        <source>CONFIRM_SELECTIONS_DIALOG_TITLE</source>
        <translation>Keuzes bevestigen</translation>
    </message>
    <message>
        <source>CONFIRM_SELECTIONS_DIALOG_POS_BTN</source>
        <translation>Doorgaan</translation>
    </message>
    <message>
        <source>CONFIRM_SELECTIONS_DIALOG_NEG_BTN</source>
        <translation>Terug</translation>
    </message>
    <message>
        <source>CONFIRM_SELECTIONS_DIALOG_GAUGE_LOCATION</source>
        <translation>Manometer: %1</translation>
    </message>
    <message>
        <source>LAUNCHING_GAUGE_SNACKBAR</source>
        <translation>Manometer wordt gestart met de gekozen configuratie…</translation>
    </message>
</context>
</TS>
