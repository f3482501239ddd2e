<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>UpdatesApp</name>
    <message>
        <source>UPDATES_APP_TITLE</source>
        <translation>Atualizações</translation>
    </message>
    <message>
        <source>UPDATES_CHECK_ACTION</source>
        <translation>Verificar atualizações</translation>
    </message>
    <message>
        <source>UPDATES_NO_UPDATES_SNACKBAR</source>
        <translation>Nenhuma atualização disponível</translation>
    </message>
    <message>
        <source>UPDATES_UP_TO_DATE</source>
        <translation>Seu manômetro está atualizado</translation>
    </message>
    <message>
        <source>UPDATES_SOFTWARE_VERSION</source>
        <translation>Versão do software %1</translation>
    </message>
    <message>
        <source>UPDATES_LAST_CHECKED</source>
        <translation>Última verificação às %1</translation>
    </message>
    <message>
        <source>UPDATES_INSTALLED_APPS</source>
        <translation>Aplicativos instalados</translation>
    </message>
    <message>
        <source>HOME_ACTION_NAME</source>
        <translation>Início</translation>
    </message>
</context>
</TS>
