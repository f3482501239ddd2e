<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl_NL">
<context>
    <name>GaugeApp</name>
    <message>
        <source>GAUGE_APP_TITLE</source>
        <translation>Manometer</translation>
    </message>
    <message>
        <source>GAUGE_MODE</source>
        <translation>Modus</translation>
    </message>
    <message>
        <source>GAUGE_UNITS</source>
        <translation>Eenheden</translation>
    </message>
    <message>
        <source>GAUGE_CHANNEL_A</source>
        <translation>Kanaal A</translation>
    </message>
    <message>
        <source>GAUGE_CHANNEL_B</source>
        <translation>Kanaal B</translation>
    </message>
    <message>
        <source>GAUGE_TAP_INPUT</source>
        <translation>In</translation>
    </message>
    <message>
        <source>GAUGE_TAP_REFERENCE</source>
        <translation>Ref</translation>
    </message>
    <message>
        <source>CHANNELMODE_PR_PR</source>
        <translation>Druk / Druk</translation>
    </message>
    <message>
        <source>CHANNELMODE_FLOWAT50</source>
        <translation>Debiet @50 Pa</translation>
    </message>
    <message>
        <source>CHANNELMODE_FLOWAT25</source>
        <translation>Debiet @25 Pa</translation>
    </message>
    <message>
        <source>CHANNELMODE_AH_FLOW</source>
        <translation>Debiet luchtbehandelingskast</translation>
    </message>
    <message>
        <source>CHANNELMODE_FLOW</source>
        <translation>Debiet</translation>
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
        <translation>Ingang</translation>
    </message>
    <message>
        <source>TAP_LABEL_REFERENCE_ABBREV</source>
        <translation>Ref</translation>
    </message>
    <message>
        <source>TAP_LABEL_REFERENCE</source>
        <translation>Referentie</translation>
    </message>
    <message>
        <source>TAP_LABEL_NONE</source>
        <translation>Geen</translation>
    </message>
    <message>
        <source>TAP_LABEL_BUILDING</source>
        <translation>Gebouw</translation>
    </message>
    <message>
        <source>TAP_LABEL_DUCT</source>
        <translation>Luchtkanaal</translation>
    </message>
    <message>
        <source>TAP_LABEL_ENCLOSURE</source>
        <translation>Testruimte</translation>
    </message>
    <message>
        <source>TAP_LABEL_OUTSIDE</source>
        <translation>Buiten</translation>
    </message>
    <message>
        <source>TAP_LABEL_T4_FAN</source>
        <translation>T4-ventilator</translation>
    </message>
    <message>
        <source>TAP_LABEL_T3_FAN</source>
        <translation>T3-ventilator</translation>
    </message>
    <message>
        <source>TAP_LABEL_T3_220_FAN</source>
        <translation>T3 220-vent.</translation>
    </message>
    <message>
        <source>TAP_LABEL_WX_FAN</source>
        <translation>WX-ventilator</translation>
    </message>
    <message>
        <source>TAP_LABEL_NSM_RED</source>
        <translation>NSM rood</translation>
    </message>
    <message>
        <source>TAP_LABEL_FLOW_BOX</source>
        <translation>Debietkap</translation>
    </message>
    <message>
        <source>TAP_LABEL_FAN_REF</source>
        <translation>Ref. ventilator</translation>
    </message>
    <message>
        <source>TAP_LABEL_ROUND_TRANS</source>
        <translation>Ronde overg.</translation>
    </message>
    <message>
        <source>TAP_LABEL_NSM_BLUE</source>
        <translation>NSM blauw</translation>
    </message>
    <message>
        <source>TAP_LABEL_PA_RED</source>
        <translation>PA rood</translation>
    </message>
    <message>
        <source>TAP_LABEL_PA_GREEN</source>
        <translation>PA groen</translation>
    </message>
    <message>
        <source>HOME_ACTION_NAME</source>
        <translation>Beginscherm</translation>
    </message>
</context>
</TS>
