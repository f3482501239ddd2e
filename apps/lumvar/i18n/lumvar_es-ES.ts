<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>DecisionTree</name>
    <message>
        <source>TEST_TYPE_BUILDING_TIGHTNESS</source>
        <translation>Hermeticidad del edificio</translation>
    </message>
    <message>
        <source>TEST_TYPE_DUCT_TIGHTNESS</source>
        <translation>Hermeticidad de conductos</translation>
    </message>
    <message>
        <source>TEST_TYPE_AIR_HANDLER_FLOW</source>
        <translation>Caudal de la unidad de tratamiento de aire</translation>
    </message>
    <message>
        <source>TEST_TYPE_OTHER</source>
        <translation>Otras aplicaciones</translation>
    </message>
    <message>
        <source>TEST_DIRECTION_PRESSURIZE</source>
        <translation>Presurizar</translation>
    </message>
    <message>
        <source>TEST_DIRECTION_DEPRESSURIZE</source>
        <translation>Despresurizar</translation>
    </message>
    <message>
        <source>GAUGE_LOCATION_INSIDE_BUILDING</source>
        <translation>Dentro del edificio</translation>
    </message>
    <message>
        <source>GAUGE_LOCATION_OUTSIDE_BUILDING</source>
        <translation>Fuera del edificio</translation>
    </message>
    <message>
        <source>FLOWDEVICE_TORNEL_3_FAN</source>
        <translation>Ventilador Tornel 3 110V</translation>
    </message>
    <message>
        <source>FLOWDEVICE_TORNEL_3_220V_FAN</source>
        <translation>Ventilador Tornel 3 220V</translation>
    </message>
    <message>
        <source>FLOWDEVICE_TORNEL_4_FAN</source>
        <translation>Ventilador Tornel 4 220V</translation>
    </message>
    <message>
        <source>FLOWDEVICE_WHIRLEX_B_FAN</source>
        <translation>Ventilador Whirlex® B</translation>
    </message>
    <message>
        <source>FLOWDEVICE_HOODEX_METER</source>
        <translation>Medidor Hoodex</translation>
    </message>
    <message>
        <source>FLOWDEVICE_PLENARA_AH_METER</source>
        <translation>Medidor Plenara® AH</translation>
    </message>
    <message>
        <source>FLOWDEVICE_NANOSEEP_METER</source>
        <translation>Medidor Nanoseep</translation>
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
        <translation>Seleccione el tipo de prueba</translation>
    </message>
    <message>
        <source>TEST_DIRECTION_PAGE_TITLE</source>
        <translation>Seleccione la dirección de la prueba</translation>
    </message>
    <message>
        <source>GAUGE_LOCATION_PAGE_TITLE</source>
        <translation>Seleccione la ubicación del manómetro</translation>
    </message>
    <message>
        <source>TEST_DEVICE_PAGE_TITLE</source>
        <translation>Seleccione el equipo de prueba</translation>
    </message>
    <message>
        <source>TUBING_CONNNECTIONS_PAGE_TITLE</source>
        <translation>Conecte los tubos e inicie</translation>
    </message>
    <message>
        <source>CONFIRM_SELECTIONS_DIALOG_TITLE</source>
        <translation>Confirmar selección</translation>
    </message>
    <message>
        <source>CONFIRM_SELECTIONS_DIALOG_POS_BTN</source>
        <translation>Continuar</translation>
    </message>
    <message>
        <source>CONFIRM_SELECTIONS_DIALOG_NEG_BTN</source>
        <translation>Volver</translation>
    </message>
    <message>
        <source>CONFIRM_SELECTIONS_DIALOG_GAUGE_LOCATION</source>
        <translation>Manómetro: %1</translation>
    </message>
    <message>
        <source>LAUNCHING_GAUGE_SNACKBAR</source>
        <translation>Iniciando el manómetro con la configuración seleccionada…</translation>
    </message>
</context>
</TS>
