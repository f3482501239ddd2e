<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it_IT">
<context>
    <name>GaugeApp</name>
    <message>
        <source>GAUGE_APP_TITLE</source>
        <translation>Manometro</translation>
    </message>
    <message>
        <source>GAUGE_MODE</source>
        <translation>Modalità</translation>
    </message>
    <message>
        <source>GAUGE_UNITS</source>
        <translation>Unità</translation>
    </message>
    <message>
        <source>GAUGE_CHANNEL_A</source>
        <translation>Canale A</translation>
    </message>
    <message>
        <source>GAUGE_CHANNEL_B</source>
        <translation>Canale B</translation>
    </message>
    <message>
        <source>GAUGE_TAP_INPUT</source>
        <translation>Ingr.</translation>
    </message>
    <message>
        <source>GAUGE_TAP_REFERENCE</source>
        <translation>Rif</translation>
    </message>
    <message>
        <source>CHANNELMODE_PR_PR</source>
        <translation>Pressione / Pressione</translation>
    </message>
    <message>
        <source>CHANNELMODE_FLOWAT50</source>
        <translation>Portata @50 Pa</translation>
    </message>
    <message>
        <source>CHANNELMODE_FLOWAT25</source>
        <translation>Portata @25 Pa</translation>
    </message>
    <message>
        <source>CHANNELMODE_AH_FLOW</source>
        <translation>Portata dell'unità di trattamento aria</translation>
    </message>
    <message>
        <source>CHANNELMODE_FLOW</source>
        <translation>Portata</translation>
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
        <translation>Ingresso</translation>
    </message>
    <message>
        <source>TAP_LABEL_REFERENCE_ABBREV</source>
        <translation>Rif</translation>
    </message>
    <message>
        <source>TAP_LABEL_REFERENCE</source>
        <translation>Riferimento</translation>
    </message>
    <message>
        <source>TAP_LABEL_NONE</source>
        <translation>Nessuno</translation>
    </message>
    <message>
        <source>TAP_LABEL_BUILDING</source>
        <translation>Edificio</translation>
    </message>
    <message>
        <source>TAP_LABEL_DUCT</source>
        <translation>Condotto</translation>
    </message>
    <message>
        <source>TAP_LABEL_ENCLOSURE</source>
        <translation>Involucro</translation>
    </message>
    <message>
        <source>TAP_LABEL_OUTSIDE</source>
        <translation>Esterno</translation>
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
        <translation>NSM rosso</translation>
    </message>
    <message>
        <source>TAP_LABEL_FLOW_BOX</source>
        <translation>Box flusso</translation>
    </message>
    <message>
        <source>TAP_LABEL_FAN_REF</source>
        <translation>Rif. vent.</translation>
    </message>
    <message>
        <source>TAP_LABEL_ROUND_TRANS</source>
        <translation>Trans. tonda</translation>
    </message>
    <message>
        <source>TAP_LABEL_NSM_BLUE</source>
        <translation>NSM blu</translation>
    </message>
    <message>
        <source>TAP_LABEL_PA_RED</source>
        <translation>PA rosso</translation>
    </message>
    <message>
        <source>TAP_LABEL_PA_GREEN</source>
        <translation>PA verde</translation>
    </message>
    <message>
        <source>HOME_ACTION_NAME</source>
        <translation>Home</translation>
    </message>
</context>
</TS>
