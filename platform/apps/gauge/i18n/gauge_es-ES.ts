<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>GaugeApp</name>
    <message>
        <source>GAUGE_APP_TITLE</source>
        <translation>Manómetro</translation>
    </message>
    <message>
        <source>GAUGE_MODE</source>
        <translation>Modo</translation>
    </message>
    <message>
        <source>GAUGE_UNITS</source>
        <translation>Unidades</translation>
    </message>
    <message>
        <source>GAUGE_CHANNEL_A</source>
        <translation>Canal A</translation>
    </message>
    <message>
        <source>GAUGE_CHANNEL_B</source>
        <translation>Canal B</translation>
    </message>
    <message>
        <source>GAUGE_TAP_INPUT</source>
        <translation>Ent.</translation>
    </message>
    <message>
        <source>GAUGE_TAP_REFERENCE</source>
        <translation>Ref</translation>
    </message>
    <message>
        <source>CHANNELMODE_PR_PR</source>
        <translation>Presión / Presión</translation>
    </message>
    <message>
        <source>CHANNELMODE_FLOWAT50</source>
        <translation>Caudal @50 Pa</translation>
    </message>
    <message>
        <source>CHANNELMODE_FLOWAT25</source>
        <translation>Caudal @25 Pa</translation>
    </message>
    <message>
        <source>CHANNELMODE_AH_FLOW</source>
        <translation>Caudal de la unidad de tratamiento de aire</translation>
    </message>
    <message>
        <source>CHANNELMODE_FLOW</source>
        <translation>Caudal</translation>
    </message>
    <message>
        <source>PRESSUREUNITS_PA</source>
        <translation>Pa</translation>
    </message>
    <message>
        <source>PRESSUREUNITS_HPA</source>
        <translation>hPa</translation>
    </message>
    <message>
        <source>PRESSUREUNITS_INH2O</source>
        <translation>in H₂O</translation>
    </message>
    <message>
        <source>PRESSUREUNITS_MMH2O</source>
        <translation>mm H₂O</translation>
    </message>
    <message>
        <source>TAP_LABEL_INPUT</source>
        <translation>Entrada</translation>
    </message>
    <message>
        <source>TAP_LABEL_REFERENCE_ABBREV</source>
        <translation>Ref</translation>
    </message>
    <message>
        <source>TAP_LABEL_REFERENCE</source>
        <translation>Referencia</translation>
    </message>
    <message>
        <source>TAP_LABEL_NONE</source>
        <translation>Ninguno</translation>
    </message>
    <message>
        <source>TAP_LABEL_BUILDING</source>
        <translation>Edificio</translation>
    </message>
    <message>
        <source>TAP_LABEL_DUCT</source>
        <translation>Conducto</translation>
    </message>
    <message>
        <source>TAP_LABEL_ENCLOSURE</source>
        <translation>Recinto</translation>
    </message>
    <message>
        <source>TAP_LABEL_OUTSIDE</source>
        <translation>Exterior</translation>
    </message>
    <message>
        <source>TAP_LABEL_T4_FAN</source>
        <translation>Vent. T4</translation>
    </message>
    <message>
        <source>TAP_LABEL_T3_FAN</source>
        <translation>Vent. T3</translation>
    </message>
    <message>
        <source>TAP_LABEL_T3_220_FAN</source>
        <translation>Vent. T3 220</translation>
    </message>
    <message>
        <source>TAP_LABEL_WX_FAN</source>
        <translation>Vent. WX</translation>
    </message>
    <message>
        <source>TAP_LABEL_NSM_RED</source>
        <translation>NSM rojo</translation>
    </message>
    <message>
        <source>TAP_LABEL_FLOW_BOX</source>
        <translation>Caja de flujo</translation>
    </message>
    <message>
        <source>TAP_LABEL_FAN_REF</source>
        <translation>Ref. vent.</translation>
    </message>
    <message>
        <source>TAP_LABEL_ROUND_TRANS</source>
        <translation>Trans. circ.</translation>
    </message>
    <message>
        <source>TAP_LABEL_NSM_BLUE</source>
        <translation>NSM azul</translation>
    </message>
    <message>
        <source>TAP_LABEL_PA_RED</source>
        <translation>PA rojo</translation>
    </message>
    <message>
        <source>TAP_LABEL_PA_GREEN</source>
        <translation>PA verde</translation>
    </message>
    <message>
        <source>HOME_ACTION_NAME</source>
        <translation>Inicio</translation>
    </message>
</context>
</TS>
