<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nb_NO">
<context>
    <name>DecisionTree</name>
    <message>
        <source>TEST_TYPE_BUILDING_TIGHTNESS</source>
        <translation>Bygningens lufttetthet</translation>
    </message>
    <message>
        <source>TEST_TYPE_DUCT_TIGHTNESS</source>
        <translation>Luftkanalenes lufttetthet</translation>
    </message>
    <message>
        <source>TEST_TYPE_AIR_HANDLER_FLOW</source>
        <translation>Luftmengde i ventilasjonsaggregat</translation>
    </message>
    <message>
        <source>TEST_TYPE_OTHER</source>
        <translation>Andre bruksområder</translation>
    </message>
    <message>
        <source>TEST_DIRECTION_PRESSURIZE</source>
        <translation>Overtrykk</translation>
    </message>
    <message>
        <source>TEST_DIRECTION_DEPRESSURIZE</source>
        <translation>Undertrykk</translation>
    </message>
    <message>
        <source>GAUGE_LOCATION_INSIDE_BUILDING</source>
        <translation>Inne i bygningen</translation>
    </message>
    <message>
        <source>GAUGE_LOCATION_OUTSIDE_BUILDING</source>
        <translation>Utenfor bygningen</translation>
    </message>
    <message>
        <source>FLOWDEVICE_TORNEL_3_FAN</source>
        <translation>Tornel 3 110V-vifte</translation>
    </message>
    <message>
        <source>FLOWDEVICE_TORNEL_3_220V_FAN</source>
        <translation>Tornel 3 220V-vifte</translation>
    </message>
    <message>
        <source>FLOWDEVICE_TORNEL_4_FAN</source>
        <translation>Tornel 4 220V-vifte</translation>
    </message>
    <message>
        <source>FLOWDEVICE_WHIRLEX_B_FAN</source>
        <translation>Whirlex® B-vifte</translation>
    </message>
    <message>
        <source>FLOWDEVICE_HOODEX_METER</source>
        <translation>Hoodex-måler</translation>
    </message>
    <message>
        <source>FLOWDEVICE_PLENARA_AH_METER</source>
        <translation>Plenara® AH-måler</translation>
    </message>
    <message>
        <source>FLOWDEVICE_NANOSEEP_METER</source>
        <translation>Nanoseep-måler</translation>
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
        <translation>Velg testtype</translation>
    </message>
    <message>
        <source>TEST_DIRECTION_PAGE_TITLE</source>
        <translation>Velg testretning</translation>
    </message>
    <message>
        <source>GAUGE_LOCATION_PAGE_TITLE</source>
        <translation>Velg plassering av manometeret</translation>
    </message>
    <message>
        <source>TEST_DEVICE_PAGE_TITLE</source>
        <translation>Velg testutstyr</translation>
    </message>
    <message>
        <source>TUBING_CONNNECTIONS_PAGE_TITLE</source>
        <translation>Koble til slangene og start</translation>
    </message>
    <message>
        <source>CONFIRM_SELECTIONS_DIALOG_TITLE</source>
        <translation>Bekreft valgene</translation>
    </message>
    <message>
        <source>CONFIRM_SELECTIONS_DIALOG_POS_BTN</source>
        <translation>Fortsett</translation>
    </message>
    <message>
        <source>CONFIRM_SELECTIONS_DIALOG_NEG_BTN</source>
        <translation>Tilbake</translation>
    </message>
    <message>
        <source>CONFIRM_SELECTIONS_DIALOG_GAUGE_LOCATION</source>
        <translation>Manometer: %1</translation>
    </message>
    <message>
        <source>LAUNCHING_GAUGE_SNACKBAR</source>
        <translation>Starter manometeret med valgt oppsett…</translation>
    </message>
</context>
</TS>
