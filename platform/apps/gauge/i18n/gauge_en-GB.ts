<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_GB">
<context>
    <name>GaugeApp</name>
    <message>
        <source>GAUGE_APP_TITLE</source>
        <translation>Gauge</translation>
    </message>
    <message>
        <source>GAUGE_MODE</source>
        <translation>Mode</translation>
    </message>
    <message>
        <source>GAUGE_UNITS</source>
        <translation>Units</translation>
    </message>
    <message>
        <source>GAUGE_CHANNEL_A</source>
        <translation>Channel A</translation>
    </message>
    <message>
        <source>GAUGE_CHANNEL_B</source>
        <translation>Channel B</translation>
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
        <translation>Pressure / Pressure</translation>
    </message>
    <message>
        <source>CHANNELMODE_FLOWAT50</source>
        <translation>Flow @50 Pa</translation>
    </message>
    <message>
        <source>CHANNELMODE_FLOWAT25</source>
        <translation>Flow @25 Pa</translation>
    </message>
    <message>
        <source>CHANNELMODE_AH_FLOW</source>
        <translation>Air Handler Flow</translation>
    </message>
    <message>
        <source>CHANNELMODE_FLOW</source>
        <translation>Flow</translation>
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
        <translation>Input</translation>
    </message>
    <message>
        <source>TAP_LABEL_REFERENCE_ABBREV</source>
        <translation>Ref</translation>
    </message>
    <message>
        <source>TAP_LABEL_REFERENCE</source>
        <translation>Reference</translation>
    </message>
    <message>
        <source>TAP_LABEL_NONE</source>
        <translation>None</translation>
    </message>
    <message>
        <source>TAP_LABEL_BUILDING</source>
        <translation>Building</translation>
    </message>
    <message>
        <source>TAP_LABEL_DUCT</source>
        <translation>Duct</translation>
    </message>
    <message>
        <source>TAP_LABEL_ENCLOSURE</source>
        <translation>Enclosure</translation>
    </message>
    <message>
        <source>TAP_LABEL_OUTSIDE</source>
        <translation>Outside</translation>
    </message>
    <message>
        <source>TAP_LABEL_T4_FAN</source>
        <translation>T4 Fan</translation>
    </message>
    <message>
        <source>TAP_LABEL_T3_FAN</source>
        <translation>T3 Fan</translation>
    </message>
    <message>
        <source>TAP_LABEL_T3_220_FAN</source>
        <translation>T3 220 Fan</translation>
    </message>
    <message>
        <source>TAP_LABEL_WX_FAN</source>
        <translation>WX Fan</translation>
    </message>
    <message>
        <source>TAP_LABEL_NSM_RED</source>
        <translation>NSM Red</translation>
    </message>
    <message>
        <source>TAP_LABEL_FLOW_BOX</source>
        <translation>Flow Box</translation>
    </message>
    <message>
        <source>TAP_LABEL_FAN_REF</source>
        <translation>Fan Ref</translation>
    </message>
    <message>
        <source>TAP_LABEL_ROUND_TRANS</source>
        <translation>Rnd Trans</translation>
    </message>
    <message>
        <source>TAP_LABEL_NSM_BLUE</source>
        <translation>NSM Blue</translation>
    </message>
    <message>
        <source>TAP_LABEL_PA_RED</source>
        <translation>PA Red</translation>
    </message>
    <message>
        <source>TAP_LABEL_PA_GREEN</source>
        <translation>PA Green</translation>
    </message>
    <message>
        <source>HOME_ACTION_NAME</source>
        <translation>Home</translation>
    </message>
</context>
</TS>
