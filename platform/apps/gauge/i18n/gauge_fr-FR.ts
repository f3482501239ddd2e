<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>GaugeApp</name>
    <message>
        <source>GAUGE_APP_TITLE</source>
        <translation>Manomètre</translation>
    </message>
    <message>
        <source>GAUGE_MODE</source>
        <translation>Mode</translation>
    </message>
    <message>
        <source>GAUGE_UNITS</source>
        <translation>Unités</translation>
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
        <translation>Réf</translation>
    </message>
    <message>
        <source>CHANNELMODE_PR_PR</source>
        <translation>Pression / Pression</translation>
    </message>
    <message>
        <source>CHANNELMODE_FLOWAT50</source>
        <translation>Débit @50 Pa</translation>
    </message>
    <message>
        <source>CHANNELMODE_FLOWAT25</source>
        <translation>Débit @25 Pa</translation>
    </message>
    <message>
        <source>CHANNELMODE_AH_FLOW</source>
        <translation>Débit de la centrale de traitement d’air</translation>
    </message>
    <message>
        <source>CHANNELMODE_FLOW</source>
        <translation>Débit</translation>
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
        <translation>po CE</translation>
    </message>
    <message>
        <source>PRESSUREUNITS_MMH2O</source>
        <translation>mm CE</translation>
    </message>
    <message>
        <source>TAP_LABEL_INPUT</source>
        <translation>Entrée</translation>
    </message>
    <message>
        <source>TAP_LABEL_REFERENCE_ABBREV</source>
        <translation>Réf</translation>
    </message>
    <message>
        <source>TAP_LABEL_REFERENCE</source>
        <translation>Référence</translation>
    </message>
    <message>
        <source>TAP_LABEL_NONE</source>
        <translation>Aucun</translation>
    </message>
    <message>
        <source>TAP_LABEL_BUILDING</source>
        <translation>Bâtiment</translation>
    </message>
    <message>
        <source>TAP_LABEL_DUCT</source>
        <translation>Conduit</translation>
    </message>
    <message>
        <source>TAP_LABEL_ENCLOSURE</source>
        <translation>Enceinte</translation>
    </message>
    <message>
        <source>TAP_LABEL_OUTSIDE</source>
        <translation>Extérieur</translation>
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
        <translation>NSM rouge</translation>
    </message>
    <message>
        <source>TAP_LABEL_FLOW_BOX</source>
        <translation>Boîte de débit</translation>
    </message>
    <message>
        <source>TAP_LABEL_FAN_REF</source>
        <translation>Réf. vent.</translation>
    </message>
    <message>
        <source>TAP_LABEL_ROUND_TRANS</source>
        <translation>Trans. ronde</translation>
    </message>
    <message>
        <source>TAP_LABEL_NSM_BLUE</source>
        <translation>NSM bleu</translation>
    </message>
    <message>
        <source>TAP_LABEL_PA_RED</source>
        <translation>PA rouge</translation>
    </message>
    <message>
        <source>TAP_LABEL_PA_GREEN</source>
        <translation>PA vert</translation>
    </message>
    <message>
        <source>HOME_ACTION_NAME</source>
        <translation>Accueil</translation>
    </message>
</context>
</TS>
