<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>AppManager</name>
    <message>
        <source>GAUGE_APP_TITLE</source>
        <translation>Manómetro</translation>
    </message>
    <message>
        <source>UPDATES_APP_TITLE</source>
        <translation>Actualizaciones</translation>
    </message>
    <message>
        <source>SETTINGS_APP_TITLE</source>
        <translation>Ajustes</translation>
    </message>
    <message>
        <source>POWER_APP_TITLE</source>
        <translation>Apagar</translation>
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
        <translation>No válido</translation>
    </message>
</context>
<context>
    <name>NumberInputDialog</name>
    <message>
        <source>INPUT_INVALID</source>
        <translation>No válido</translation>
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
</context>
<context>
    <name>VeltraRootApp</name>
    <message>
        <source>APP_ERROR_NO_QML</source>
        <translation>El registro de la aplicación no indica ningún archivo QML principal.</translation>
    </message>
    <message>
        <source>APP_ERROR_NOT_AN_APP</source>
        <translation>La raíz de %1 no es una VeltraApp.</translation>
    </message>
    <message>
        <source>APP_ERROR_NOT_CREATED</source>
        <translation>No se ha podido crear %1; el registro indica el motivo.</translation>
    </message>
    <message>
        <source>APP_LAUNCHING_SNACKBAR</source>
        <translation>Iniciando %1…</translation>
    </message>
    <message>
        <source>AUTO_OFF_DIALOG_TITLE</source>
        <translation>Apagado automático</translation>
    </message>
    <message>
        <source>AUTO_OFF_DIALOG_MSG</source>
        <translation>El dispositivo se apagará automáticamente en menos de 60 segundos. Toque cualquier punto de la pantalla para evitar el apagado.</translation>
    </message>
    <message>
        <source>VELTRA_CONNECT_FEATURE_NOT_SUPPORTED_SNACKBAR</source>
        <translation>Función no disponible en Veltra Connect</translation>
    </message>
    <message>
        <source>BATTERY_STATUS_CHARGING</source>
        <translation>Cargando</translation>
    </message>
    <message>
        <source>BATTERY_STATUS_REMAINING_PERCENTAGE</source>
        <translation>%1 % restante</translation>
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
        <translation>No conectado</translation>
    </message>
    <message>
        <source>NETWORK_STATUS_WIFI_BROADCASTING</source>
        <translation>Emitiendo</translation>
    </message>
    <message>
        <source>NETWORK_STATUS_WIFI_BROADCASTING_ETHERNET_BRIDGE</source>
        <translation>Emitiendo - Puente E</translation>
    </message>
    <message>
        <source>NETWORK_STATUS_WIFI_JOINED_TO</source>
        <translation>Conectado a %1</translation>
    </message>
    <message>
        <source>NETWORK_STATUS_WIFI_NOT_JOINED</source>
        <translation>Sin conexión</translation>
    </message>
    <message>
        <source>NETWORKMODE_NONE</source>
        <translation>Red desactivada</translation>
    </message>
    <message>
        <source>BLUETOOTH_ENABLED</source>
        <translation>Activado</translation>
    </message>
    <message>
        <source>BLUETOOTH_ENABLED_SUB_TEXT</source>
        <translation>Visible para las aplicaciones móviles de ZEL. No requiere emparejamiento.</translation>
    </message>
    <message>
        <source>BLUETOOTH_DISABLED</source>
        <translation>Desactivado</translation>
    </message>
    <message>
        <source>BLUETOOTH_DISABLED_SUB_TEXT</source>
        <translation>No visible</translation>
    </message>
    <message>
        <source>STATUS_CENTER_LAST_CALIBRATED_DATE</source>
        <translation>Última calibración: %1</translation>
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
        <translation>No se ha podido iniciar esta aplicación.</translation>
    </message>
    <message>
        <source>APP_ERROR_PAGE_HOME</source>
        <translation>Inicio</translation>
    </message>
</context>
</TS>
