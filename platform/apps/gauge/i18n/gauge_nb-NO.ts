<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nb_NO">
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
        <translation>Enheter</translation>
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
        <translation>Inn</translation>
    </message>
    <message>
        <source>GAUGE_TAP_REFERENCE</source>
        <translation>Ref</translation>
    </message>
    <message>
        <source>CHANNELMODE_PR_PR</source>
        <translation>Trykk / Trykk</translation>
    </message>
    <message>
        <source>CHANNELMODE_FLOWAT50</source>
        <translation>Luftmengde @50 Pa</translation>
    </message>
    <message>
        <source>CHANNELMODE_FLOWAT25</source>
        <translation>Luftmengde @25 Pa</translation>
    </message>
    <message>
        <source>CHANNELMODE_AH_FLOW</source>
        <translation>Luftmengde i ventilasjonsaggregat</translation>
    </message>
    <message>
        <source>CHANNELMODE_FLOW</source>
        <translation>Luftmengde</translation>
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
        <translation>mm VS</translation>
    </message>
    <message>
        <source>TAP_LABEL_INPUT</source>
        <translation>Inngang</translation>
    </message>
    <message>
        <source>TAP_LABEL_REFERENCE_ABBREV</source>
        <translation>Ref</translation>
    </message>
    <message>
        <source>TAP_LABEL_REFERENCE</source>
        <translation>Referanse</translation>
    </message>
    <message>
        <source>TAP_LABEL_NONE</source>
        <translation>Ingen</translation>
    </message>
    <message>
        <source>TAP_LABEL_BUILDING</source>
        <translation>Bygning</translation>
    </message>
    <message>
        <source>TAP_LABEL_DUCT</source>
        <translation>Luftkanal</translation>
    </message>
    <message>
        <source>TAP_LABEL_ENCLOSURE</source>
        <translation>Testrom</translation>
    </message>
    <message>
        <source>TAP_LABEL_OUTSIDE</source>
        <translation>Ute</translation>
    </message>
    <message>
        <source>TAP_LABEL_T4_FAN</source>
        <translation>T4-vifte</translation>
    </message>
    <message>
        <source>TAP_LABEL_T3_FAN</source>
        <translation>T3-vifte</translation>
    </message>
    <message>
        <source>TAP_LABEL_T3_220_FAN</source>
        <translation>T3 220-vifte</translation>
    </message>
    <message>
        <source>TAP_LABEL_WX_FAN</source>
        <translation>WX-vifte</translation>
    </message>
    <message>
        <source>TAP_LABEL_NSM_RED</source>
        <translation>NSM rød</translation>
    </message>
    <message>
        <source>TAP_LABEL_FLOW_BOX</source>
        <translation>Måleboks</translation>
    </message>
    <message>
        <source>TAP_LABEL_FAN_REF</source>
        <translation>Vifte-ref</translation>
    </message>
    <message>
        <source>TAP_LABEL_ROUND_TRANS</source>
        <translation>Rund overg.</translation>
    </message>
    <message>
        <source>TAP_LABEL_NSM_BLUE</source>
        <translation>NSM blå</translation>
    </message>
    <message>
        <source>TAP_LABEL_PA_RED</source>
        <translation>PA rød</translation>
    </message>
    <message>
        <source>TAP_LABEL_PA_GREEN</source>
        <translation>PA grønn</translation>
    </message>
    <message>
        <source>HOME_ACTION_NAME</source>
        <translation>Hjem</translation>
    </message>
</context>
</TS>
