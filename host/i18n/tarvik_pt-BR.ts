<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>AppManager</name>
    <message>
        <source>GAUGE_APP_TITLE</source>
        <translation>Manômetro</translation>
    </message>
    <message>
        <source>UPDATES_APP_TITLE</source>
        <translation>Atualizações</translation>
    </message>
    <message>
        <source>SETTINGS_APP_TITLE</source>
        <translation>Configurações</translation>
    </message>
    <message>
        <source>POWER_APP_TITLE</source>
        <translation>Desligar</translation>
    </message>
    <message>
        <source>LUMVAR_APP_TITLE</source>
        <translation>Lumvar</translation>
    </message>
</context>
<context>
    <name>KeyboardInputDialog</name>
    <message>
        <source>DIALOG_POS_BTN_DEFAULT</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>INPUT_INVALID</source>
        <translation>Inválido</translation>
    </message>
</context>
<context>
    <name>NumberInputDialog</name>
    <message>
        <source>INPUT_INVALID</source>
        <translation>Inválido</translation>
    </message>
</context>
<context>
    <name>TapLabels</name>
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
</context>
<context>
    <name>VeltraRootApp</name>
    <message>
        <source>APP_ERROR_NO_QML</source>
        <translation>O registro do aplicativo não indica nenhum arquivo QML principal.</translation>
    </message>
    <message>
        <source>APP_ERROR_NOT_AN_APP</source>
        <translation>A raiz de %1 não é um VeltraApp.</translation>
    </message>
    <message>
        <source>APP_ERROR_NOT_CREATED</source>
        <translation>Não foi possível criar %1; o log informa o motivo.</translation>
    </message>
    <message>
        <source>APP_LAUNCHING_SNACKBAR</source>
        <translation>Iniciando %1…</translation>
    </message>
    <message>
        <source>AUTO_OFF_DIALOG_TITLE</source>
        <translation>Desligamento automático</translation>
    </message>
    <message>
        <source>AUTO_OFF_DIALOG_MSG</source>
        <translation>O dispositivo será desligado automaticamente em menos de 60 segundos. Toque em qualquer lugar da tela para impedir o desligamento.</translation>
    </message>
    <message>
        <source>VELTRA_CONNECT_FEATURE_NOT_SUPPORTED_SNACKBAR</source>
        <translation>Recurso não disponível no Veltra Connect</translation>
    </message>
    <message>
        <source>BATTERY_STATUS_CHARGING</source>
        <translation>Carregando</translation>
    </message>
    <message>
        <source>BATTERY_STATUS_REMAINING_PERCENTAGE</source>
        <translation>%1% restante</translation>
    </message>
    <message>
        <source>BATTERY_STATUS_REMAINING_VOLTAGE</source>
        <translation>%1 V</translation>
    </message>
    <message>
        <source>NETWORKSTATE_CONNECTED</source>
        <translation>Conectado</translation>
    </message>
    <message>
        <source>NETWORKSTATE_DISCONNECTED</source>
        <translation>Não conectado</translation>
    </message>
    <message>
        <source>NETWORK_STATUS_WIFI_BROADCASTING</source>
        <translation>Transmitindo</translation>
    </message>
    <message>
        <source>NETWORK_STATUS_WIFI_BROADCASTING_ETHERNET_BRIDGE</source>
        <translation>Transmitindo - Ponte E</translation>
    </message>
    <message>
        <source>NETWORK_STATUS_WIFI_JOINED_TO</source>
        <translation>Conectado a %1</translation>
    </message>
    <message>
        <source>NETWORK_STATUS_WIFI_NOT_JOINED</source>
        <translation>Não associado</translation>
    </message>
    <message>
        <source>NETWORKMODE_NONE</source>
        <translation>Rede desativada</translation>
    </message>
    <message>
        <source>BLUETOOTH_ENABLED</source>
        <translation>Ativado</translation>
    </message>
    <message>
        <source>BLUETOOTH_ENABLED_SUB_TEXT</source>
        <translation>Visível para os apps móveis da ZEL. Pareamento não necessário.</translation>
    </message>
    <message>
        <source>BLUETOOTH_DISABLED</source>
        <translation>Desativado</translation>
    </message>
    <message>
        <source>BLUETOOTH_DISABLED_SUB_TEXT</source>
        <translation>Não visível</translation>
    </message>
    <message>
        <source>STATUS_CENTER_LAST_CALIBRATED_DATE</source>
        <translation>Última calibração: %1</translation>
    </message>
</context>
<context>
    <name>ZelDialog</name>
    <message>
        <source>DIALOG_POS_BTN_DEFAULT</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>DIALOG_NEG_BTN_DEFAULT</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>VeltraAppErrorPage</name>
    <message>
        <source>APP_ERROR_PAGE_HEADING</source>
        <translation>Não foi possível iniciar este aplicativo.</translation>
    </message>
    <message>
        <source>APP_ERROR_PAGE_HOME</source>
        <translation>Início</translation>
    </message>
</context>
</TS>
