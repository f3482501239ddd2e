<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
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
        <translation>Einheit</translation>
    </message>
    <message>
        <source>GAUGE_CHANNEL_A</source>
        <translation>Kanal A</translation>
    </message>
    <message>
        <source>GAUGE_CHANNEL_B</source>
        <translation>Kanal B</translation>
    </message>
    <message>
        <source>GAUGE_TAP_INPUT</source>
        <translation>Eing.</translation>
    </message>
    <message>
        <source>GAUGE_TAP_REFERENCE</source>
        <translation>Ref</translation>
    </message>
    <message>
        <source>CHANNELMODE_PR_PR</source>
        <translation>Druck / Druck</translation>
    </message>
    <message>
        <source>CHANNELMODE_FLOWAT50</source>
        <translation>Volumenstrom @50 Pa</translation>
    </message>
    <message>
        <source>CHANNELMODE_FLOWAT25</source>
        <translation>Volumenstrom @25 Pa</translation>
    </message>
    <message>
        <source>CHANNELMODE_AH_FLOW</source>
        <translation>Volumenstrom Lüftungsgerät</translation>
    </message>
    <message>
        <source>CHANNELMODE_FLOW</source>
        <translation>Volumenstrom</translation>
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
        <translation>mm WS</translation>
    </message>
    <message>
        <source>TAP_LABEL_INPUT</source>
        <translation>Eingang</translation>
    </message>
    <message>
        <source>TAP_LABEL_REFERENCE_ABBREV</source>
        <translation>Ref</translation>
    </message>
    <message>
        <source>TAP_LABEL_REFERENCE</source>
        <translation>Referenz</translation>
    </message>
    <message>
        <source>TAP_LABEL_NONE</source>
        <translation>Keine</translation>
    </message>
    <message>
        <source>TAP_LABEL_BUILDING</source>
        <translation>Gebäude</translation>
    </message>
    <message>
        <source>TAP_LABEL_DUCT</source>
        <translation>Luftkanal</translation>
    </message>
    <message>
        <source>TAP_LABEL_ENCLOSURE</source>
        <translation>Prüfraum</translation>
    </message>
    <message>
        <source>TAP_LABEL_OUTSIDE</source>
        <translation>Außen</translation>
    </message>
    <message>
        <source>TAP_LABEL_T4_FAN</source>
        <translation>T4-Gebläse</translation>
    </message>
    <message>
        <source>TAP_LABEL_T3_FAN</source>
        <translation>T3-Gebläse</translation>
    </message>
    <message>
        <source>TAP_LABEL_T3_220_FAN</source>
        <translation>T3-220-Gebläse</translation>
    </message>
    <message>
        <source>TAP_LABEL_WX_FAN</source>
        <translation>WX-Gebläse</translation>
    </message>
    <message>
        <source>TAP_LABEL_NSM_RED</source>
        <translation>NSM rot</translation>
    </message>
    <message>
        <source>TAP_LABEL_FLOW_BOX</source>
        <translation>Messhaube</translation>
    </message>
    <message>
        <source>TAP_LABEL_FAN_REF</source>
        <translation>Gebläse-Ref</translation>
    </message>
    <message>
        <source>TAP_LABEL_ROUND_TRANS</source>
        <translation>Rundüberg.</translation>
    </message>
    <message>
        <source>TAP_LABEL_NSM_BLUE</source>
        <translation>NSM blau</translation>
    </message>
    <message>
        <source>TAP_LABEL_PA_RED</source>
        <translation>PA rot</translation>
    </message>
    <message>
        <source>TAP_LABEL_PA_GREEN</source>
        <translation>PA grün</translation>
    </message>
    <message>
        <source>HOME_ACTION_NAME</source>
        <translation>Startseite</translation>
    </message>
</context>
</TS>
