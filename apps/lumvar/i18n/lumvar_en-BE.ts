<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_BE">
<context>
    <name>DecisionTree</name>
    <message>
        <source>TEST_TYPE_BUILDING_TIGHTNESS</source>
        <translation>Building Tightness</translation>
    </message>
    <message>
        <source>TEST_TYPE_DUCT_TIGHTNESS</source>
        <translation>Duct Tightness</translation>
    </message>
    <message>
        <source>TEST_TYPE_AIR_HANDLER_FLOW</source>
        <translation>Air Handler Flow</translation>
    </message>
    <message>
        <source>TEST_TYPE_OTHER</source>
        <translation>Other Applications</translation>
    </message>
    <message>
        <source>TEST_DIRECTION_PRESSURIZE</source>
        <translation>Pressurize</translation>
    </message>
    <message>
        <source>TEST_DIRECTION_DEPRESSURIZE</source>
        <translation>Depressurize</translation>
    </message>
    <message>
        <source>GAUGE_LOCATION_INSIDE_BUILDING</source>
        <translation>Inside the Building</translation>
    </message>
    <message>
        <source>GAUGE_LOCATION_OUTSIDE_BUILDING</source>
        <translation>Outside the Building</translation>
    </message>
    <message>
        <source>FLOWDEVICE_TORNEL_3_FAN</source>
        <translation>Tornel 3 110V Fan</translation>
    </message>
    <message>
        <source>FLOWDEVICE_TORNEL_3_220V_FAN</source>
        <translation>Tornel 3 220V Fan</translation>
    </message>
    <message>
        <source>FLOWDEVICE_TORNEL_4_FAN</source>
        <translation>Tornel 4 220V Fan</translation>
    </message>
    <message>
        <source>FLOWDEVICE_WHIRLEX_B_FAN</source>
        <translation>Whirlex® B Fan</translation>
    </message>
    <message>
        <source>FLOWDEVICE_HOODEX_METER</source>
        <translation>Hoodex Meter</translation>
    </message>
    <message>
        <source>FLOWDEVICE_PLENARA_AH_METER</source>
        <translation>Plenara® AH Meter</translation>
    </message>
    <message>
        <source>FLOWDEVICE_NANOSEEP_METER</source>
        <translation>Nanoseep Meter</translation>
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
        <translation>Select Test Type</translation>
    </message>
    <message>
        <source>TEST_DIRECTION_PAGE_TITLE</source>
        <translation>Select Test Direction</translation>
    </message>
    <message>
        <source>GAUGE_LOCATION_PAGE_TITLE</source>
        <translation>Select Gauge Location</translation>
    </message>
    <message>
        <source>TEST_DEVICE_PAGE_TITLE</source>
        <translation>Select Test Device</translation>
    </message>
    <message>
        <source>TUBING_CONNNECTIONS_PAGE_TITLE</source>
        <translation>Connect Tubing and Press Start</translation>
    </message>
    <message>
        <source>CONFIRM_SELECTIONS_DIALOG_TITLE</source>
        <translation>Confirm Selections</translation>
    </message>
    <message>
        <source>CONFIRM_SELECTIONS_DIALOG_POS_BTN</source>
        <translation>Continue</translation>
    </message>
    <message>
        <source>CONFIRM_SELECTIONS_DIALOG_NEG_BTN</source>
        <translation>Go Back</translation>
    </message>
    <message>
        <source>CONFIRM_SELECTIONS_DIALOG_GAUGE_LOCATION</source>
        <translation>Gauge %1</translation>
    </message>
    <message>
        <source>LAUNCHING_GAUGE_SNACKBAR</source>
        <translation>Launching Gauge with selected configuration…</translation>
    </message>
</context>
</TS>
