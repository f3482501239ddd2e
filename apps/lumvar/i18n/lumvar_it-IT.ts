<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it_IT">
<context>
    <name>DecisionTree</name>
    <message>
        <source>TEST_TYPE_BUILDING_TIGHTNESS</source>
        <translation>Tenuta all'aria dell'edificio</translation>
    </message>
    <message>
        <source>TEST_TYPE_DUCT_TIGHTNESS</source>
        <translation>Tenuta all'aria dei condotti</translation>
    </message>
    <message>
        <source>TEST_TYPE_AIR_HANDLER_FLOW</source>
        <translation>Portata dell'unità di trattamento aria</translation>
    </message>
    <message>
        <source>TEST_TYPE_OTHER</source>
        <translation>Altre applicazioni</translation>
    </message>
    <message>
        <source>TEST_DIRECTION_PRESSURIZE</source>
        <translation>Pressurizzazione</translation>
    </message>
    <message>
        <source>TEST_DIRECTION_DEPRESSURIZE</source>
        <translation>Depressurizzazione</translation>
    </message>
    <message>
        <source>GAUGE_LOCATION_INSIDE_BUILDING</source>
        <translation>All'interno dell'edificio</translation>
    </message>
    <message>
        <source>GAUGE_LOCATION_OUTSIDE_BUILDING</source>
        <translation>All'esterno dell'edificio</translation>
    </message>
    <message>
        <source>FLOWDEVICE_TORNEL_3_FAN</source>
        <translation>Ventilatore Tornel 3 110V</translation>
    </message>
    <message>
        <source>FLOWDEVICE_TORNEL_3_220V_FAN</source>
        <translation>Ventilatore Tornel 3 220V</translation>
    </message>
    <message>
        <source>FLOWDEVICE_TORNEL_4_FAN</source>
        <translation>Ventilatore Tornel 4 220V</translation>
    </message>
    <message>
        <source>FLOWDEVICE_WHIRLEX_B_FAN</source>
        <translation>Ventilatore Whirlex® B</translation>
    </message>
    <message>
        <source>FLOWDEVICE_HOODEX_METER</source>
        <translation>Misuratore Hoodex</translation>
    </message>
    <message>
        <source>FLOWDEVICE_PLENARA_AH_METER</source>
        <translation>Misuratore Plenara® AH</translation>
    </message>
    <message>
        <source>FLOWDEVICE_NANOSEEP_METER</source>
        <translation>Misuratore Nanoseep</translation>
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
        <translation>Seleziona il tipo di prova</translation>
    </message>
    <message>
        <source>TEST_DIRECTION_PAGE_TITLE</source>
        <translation>Seleziona la direzione della prova</translation>
    </message>
    <message>
        <source>GAUGE_LOCATION_PAGE_TITLE</source>
        <translation>Seleziona la posizione del manometro</translation>
    </message>
    <message>
        <source>TEST_DEVICE_PAGE_TITLE</source>
        <translation>Seleziona il dispositivo di prova</translation>
    </message>
    <message>
        <source>TUBING_CONNNECTIONS_PAGE_TITLE</source>
        <translation>Collega i tubi e avvia</translation>
    </message>
    <message>
        <source>CONFIRM_SELECTIONS_DIALOG_TITLE</source>
        <translation>Conferma le selezioni</translation>
    </message>
    <message>
        <source>CONFIRM_SELECTIONS_DIALOG_POS_BTN</source>
        <translation>Continua</translation>
    </message>
    <message>
        <source>CONFIRM_SELECTIONS_DIALOG_NEG_BTN</source>
        <translation>Indietro</translation>
    </message>
    <message>
        <source>CONFIRM_SELECTIONS_DIALOG_GAUGE_LOCATION</source>
        <translation>Manometro: %1</translation>
    </message>
    <message>
        <source>LAUNCHING_GAUGE_SNACKBAR</source>
        <translation>Avvio del manometro con la configurazione selezionata…</translation>
    </message>
</context>
</TS>
