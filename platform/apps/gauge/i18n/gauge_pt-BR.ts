<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>GaugeApp</name>
    <message>
        <source>GAUGE_APP_TITLE</source>
        <translation>Manômetro</translation>
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
        <translation>Pressão / Pressão</translation>
    </message>
    <message>
        <source>CHANNELMODE_FLOWAT50</source>
        <translation>Vazão @50 Pa</translation>
    </message>
    <message>
        <source>CHANNELMODE_FLOWAT25</source>
        <translation>Vazão @25 Pa</translation>
    </message>
    <message>
        <source>CHANNELMODE_AH_FLOW</source>
        <translation>Vazão da unidade de tratamento de ar</translation>
    </message>
    <message>
        <source>CHANNELMODE_FLOW</source>
        <translation>Vazão</translation>
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
        <translation>pol H₂O</translation>
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
        <translation>Referência</translation>
    </message>
    <message>
        <source>TAP_LABEL_NONE</source>
        <translation>Nenhum</translation>
    </message>
    <message>
        <source>TAP_LABEL_BUILDING</source>
        <translation>Edificação</translation>
    </message>
    <message>
        <source>TAP_LABEL_DUCT</source>
        <translation>Duto</translation>
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
        <translation>NSM vermelho</translation>
    </message>
    <message>
        <source>TAP_LABEL_FLOW_BOX</source>
        <translation>Caixa de vazão</translation>
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
        <translation>PA vermelho</translation>
    </message>
    <message>
        <source>TAP_LABEL_PA_GREEN</source>
        <translation>PA verde</translation>
    </message>
    <message>
        <source>HOME_ACTION_NAME</source>
        <translation>Início</translation>
    </message>
</context>
</TS>
