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
    <name>VeltraRootApp</name>
    <message>
        <source>APP_LAUNCHING_SNACKBAR</source>
        <translation>Iniciando %1...</translation>
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
        <translation>%1 % restante</translation>
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
</TS>
